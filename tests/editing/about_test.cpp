// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: opened from the toolbar, closed by its "OK" image button.
#include "app/programrefs.h"
#include "editingfixture.h"
#include "toolkit/shadowlabel.h"
#include "windows/aboutwindow.h"

#include <QDesktopServices>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace tandem {
namespace {

// Takes the mail link's address instead of the user's mail program.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    MailCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open"); }
    ~MailCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }
    std::vector<QString> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url.toString()); }
};

using AboutTest = EditingTest;

TEST_F(AboutTest, TheToolbarOpensItAndItsButtonClosesIt) {
    Start({});
    QAction* about = nullptr;
    for (QAction* action : window->toolbar->actions()) {
        if (action->toolTip() == "About")
            about = action;
    }
    ASSERT_NE(about, nullptr);
    bool seen = false;
    QTimer::singleShot(0, window.get(), [&] {
        auto* shown = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        seen = true;
        EXPECT_EQ(Program().about, shown);
        EXPECT_EQ(shown->windowTitle(), "About");
        EXPECT_EQ(shown->Row(1)->text(), "This program was worked out by");
        EXPECT_EQ(shown->Row(2)->text(), "The Tandemview developers");
        EXPECT_EQ(shown->Row(AboutWindow::kMailRow)->text(), "mailto: tandemview@example.org");
        QToolButton* close = shown->CloseButton();
        EXPECT_EQ(close->x(), (shown->Panel()->width() - close->width()) / 2);
        EXPECT_TRUE(close->geometry().bottom() < shown->Panel()->height());
        QTest::mouseClick(close, Qt::LeftButton);
    });
    about->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(Program().about, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AboutWindowTest, TheButtonStaysCentredTakesNoFocusAndTheLinkNamesTheProgram) {
    AboutWindow about;
    about.show();
    QToolButton* close = about.CloseButton();
    EXPECT_EQ(close->size(), QSize(113, 60));
    EXPECT_EQ(close->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(close->autoRaise());
    about.setFixedWidth(600);
    EXPECT_EQ(close->x(), (about.Panel()->width() - 113) / 2);
    EXPECT_EQ(AboutWindow::MailLink(), "mailto:tandemview@example.org?subject=Tandemview");
    EXPECT_EQ(about.Row(AboutWindow::kMailRow)->cursor().shape(), Qt::PointingHandCursor);
    // Rows stack from the top in order.
    for (int row = 1; row < AboutWindow::kRowCount; ++row)
        EXPECT_EQ(about.Row(row)->y(), about.Row(row - 1)->geometry().bottom() + 1) << row;
    EXPECT_EQ(about.Row(0)->height(), 25);
}

TEST(AboutWindowTest, EveryRowHasItsOnePixelBorderRoundTheButtonFace) {
    AboutWindow about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QColor face = about.Row(0)->palette().color(QPalette::Window);
    for (int index = 0; index < AboutWindow::kRowCount; ++index) {
        SCOPED_TRACE(index);
        const QImage row = about.Row(index)->grab().toImage();
        const int right = row.width() - 1;
        const int bottom = row.height() - 1;
        int unbordered = 0;
        for (int x = 0; x <= right; ++x)
            unbordered +=
                (row.pixelColor(x, 0) != Qt::black) + (row.pixelColor(x, bottom) != Qt::black);
        for (int y = 0; y <= bottom; ++y)
            unbordered +=
                (row.pixelColor(0, y) != Qt::black) + (row.pixelColor(right, y) != Qt::black);
        EXPECT_EQ(unbordered, 0);
        // Just inside the border the row's own background shows.
        EXPECT_EQ(row.pixelColor(1, 1), face);
        EXPECT_EQ(row.pixelColor(right - 1, bottom - 1), face);
    }
}

TEST(AboutWindowTest, ClickingTheMailLinkStartsAMessageAndKeepsTheWindowOpen) {
    MailCatcher mail;
    AboutWindow about;
    about.show();
    QTest::mouseClick(about.Row(AboutWindow::kMailRow), Qt::LeftButton);
    EXPECT_EQ(mail.opened,
              std::vector<QString>{"mailto:tandemview@example.org?subject=Tandemview"});
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.result(), 0);
}

} // namespace
} // namespace tandem

#include "about_test.moc"
