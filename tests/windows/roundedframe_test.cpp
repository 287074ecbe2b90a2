// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/roundedframe.h"

#include <QDialog>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace tandem {
namespace {

class RoundedFrameTest : public ::testing::Test {
protected:
    RoundedFrameTest() {
        window.setWindowTitle("Framed");
        window.resize(400, 300);
        frame = AttachRoundedFrame(&window);
        window.show();
    }

    QColor PixelAt(QPoint at) { return window.grab().toImage().pixelColor(at); }

    QWidget window;
    RoundedFrame* frame;
};

TEST_F(RoundedFrameTest, ClientLiesInsideTheBandAndCaption) {
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(frame->HasCaption());
    EXPECT_EQ(window.size(), QSize(400, 300));
    EXPECT_EQ(window.contentsRect(), QRect(20, 43, 360, 237));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(window.width() / 2, 0)));
}

TEST_F(RoundedFrameTest, ResizingKeepsTheCornersRound) {
    window.resize(600, 500);
    EXPECT_FALSE(window.mask().contains(QPoint(599, 499)));
    EXPECT_TRUE(window.mask().contains(QPoint(599, 250)));
}

TEST_F(RoundedFrameTest, NewRadiusKeepsTheClientArea) {
    const QSize client = window.contentsRect().size();
    SetFrameRadius(frame, 10);
    EXPECT_EQ(frame->Radius(), 10);
    EXPECT_EQ(window.contentsRect().size(), client);
    EXPECT_EQ(window.size(), client + QSize(20, 43));
}

TEST_F(RoundedFrameTest, CaptionFollowsTheWindowTitle) {
    EXPECT_EQ(frame->CaptionText(), "Framed");
    window.setWindowTitle("Renamed");
    EXPECT_EQ(frame->CaptionText(), "Renamed");
}

TEST_F(RoundedFrameTest, BandIsDarkOutsideAndFrameColouredInside) {
    const QColor outer = PixelAt(QPoint(1, window.height() / 2));
    EXPECT_LT(outer.lightness(), 40);
    EXPECT_EQ(PixelAt(QPoint(19, window.height() / 2)), frame->FrameColour());
}

TEST_F(RoundedFrameTest, MouseOverButtonsHighlightsOneAtATime) {
    const QRect close = frame->ButtonRect(0);
    const QRect minimise = frame->ButtonRect(2);
    QTest::mouseMove(&window, close.center());
    EXPECT_EQ(frame->HotButton(), 1);
    QTest::mouseMove(&window, minimise.center());
    EXPECT_EQ(frame->HotButton(), 3);
    QTest::mouseMove(&window, QPoint(200, 150));
    EXPECT_EQ(frame->HotButton(), 0);

    const QImage plain = frame->ButtonImage(0, false);
    const QImage lit = frame->ButtonImage(0, true);
    EXPECT_EQ(plain.pixelColor(1, 1), frame->FrameColour());
    EXPECT_GT(lit.pixelColor(1, 1).lightness(), plain.pixelColor(1, 1).lightness());
}

TEST_F(RoundedFrameTest, MaximiseButtonTogglesBetweenMaximiseAndRestore) {
    const QImage maximiseImage = frame->ButtonImage(1, false);
    QTest::mouseClick(&window, Qt::LeftButton, {}, frame->ButtonRect(1).center());
    EXPECT_TRUE(frame->MaximisedToggle());
    EXPECT_TRUE(window.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_NE(frame->ButtonImage(1, false), maximiseImage);
    QTest::mouseClick(&window, Qt::LeftButton, {}, frame->ButtonRect(1).center());
    EXPECT_FALSE(frame->MaximisedToggle());
    EXPECT_FALSE(window.windowState().testFlag(Qt::WindowMaximized));
    EXPECT_EQ(frame->ButtonImage(1, false), maximiseImage);
}

TEST_F(RoundedFrameTest, CloseButtonClosesTheWindow) {
    QTest::mouseClick(&window, Qt::LeftButton, {}, frame->ButtonRect(0).center());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RoundedFrameTest, IconOpensTheOwnMenu) {
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(30, 30));
    QMenu* menu = frame->OwnMenu();
    EXPECT_TRUE(menu->isVisible());
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(captions, (QStringList{"&Move", "&Size", "-", "Cl&ose  Alt+F4"}));
    menu->hide();
}

TEST(RoundedFrameWithoutCaption, ShowsOnlyTheBand) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(200, 100);
    RoundedFrame* frame = AttachRoundedFrame(&window);
    SetFrameRadius(frame, 10);
    EXPECT_FALSE(frame->HasCaption());
    EXPECT_EQ(window.size(), QSize(180, 80));
    EXPECT_EQ(window.contentsRect(), QRect(10, 10, 160, 60));
    window.show();
    const QImage drawn = window.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(9, 50), frame->FrameColour());
}

TEST(RoundedFrameOnADialog, DropsTheSystemDecorations) {
    QDialog dialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowCloseButtonHint);
    RoundedFrame* frame = AttachRoundedFrame(&dialog);
    EXPECT_TRUE(frame->HasCaption());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
}

TEST(RoundedFrameFlat, LowWindowGetsAPlainRectangle) {
    QWidget window;
    window.setWindowTitle("Flat");
    window.resize(200, 100);
    RoundedFrame* frame = AttachRoundedFrame(&window);
    window.show();
    window.resize(200, 40);
    EXPECT_TRUE(window.mask().contains(QPoint(0, 0)));
    EXPECT_EQ(frame->ButtonRect(0), QRect(175, 10, 20, 20));
}

} // namespace
} // namespace tandem
