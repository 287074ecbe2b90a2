// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/progressbar.h"
#include "windows/progressfeed.h"
#include "windows/progresswindow.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <thread>

namespace tandem {
namespace {

class ProgressBarTest : public ::testing::Test {
protected:
    ProgressBarTest() {
        bar.resize(485, 40);
        bar.SetPosition(0);
    }
    // A pixel row through the middle of the fill area, away from the text.
    QColor FillAt(int x) const { return bar.Canvas().pixelColor(x, ProgressBar::kInset + 1); }
    int TextLeft() const {
        const QString text = QStringLiteral(" %1% ").arg(bar.Percent());
        return (bar.width() - QFontMetrics(bar.Font()).horizontalAdvance(text)) / 2;
    }
    ProgressBar bar;
};

TEST_F(ProgressBarTest, ARangeOfNothingMovesTheMinimumBelowIt) {
    bar.SetMaximum(0);
    EXPECT_EQ(bar.Minimum(), -1);
    bar.SetPosition(0); // no division by zero
    EXPECT_EQ(bar.Percent(), 0);
}

TEST_F(ProgressBarTest, StartsEmptyInASunkenFrame) {
    const QImage& canvas = bar.Canvas();
    EXPECT_EQ(canvas.pixelColor(0, 10), QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(10, 0), QColor(Qt::black));
    EXPECT_EQ(canvas.pixelColor(484, 10), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(10, 39), QColor(Qt::white));
    EXPECT_EQ(FillAt(ProgressBar::kInset), bar.BackgroundColour());
    EXPECT_EQ(FillAt(480), bar.BackgroundColour());
}

TEST_F(ProgressBarTest, FullBarIsRedWithTheTextInTheBackgroundColour) {
    bar.SetPosition(100);
    EXPECT_EQ(bar.Percent(), 100);
    EXPECT_EQ(FillAt(ProgressBar::kInset), bar.BarColour());
    EXPECT_EQ(FillAt(480), bar.BarColour());
    // The text's pixels over the fill are drawn in the background colour.
    bool textSeen = false;
    const QImage& canvas = bar.Canvas();
    for (int x = TextLeft(); x < bar.width() - TextLeft(); ++x) {
        for (int y = ProgressBar::kInset; y < 36; ++y)
            textSeen = textSeen || canvas.pixelColor(x, y) == bar.BackgroundColour();
    }
    EXPECT_TRUE(textSeen);
}

TEST_F(ProgressBarTest, HalfwayFillsUpToTheTextAndNoFurther) {
    bar.SetPosition(30);
    EXPECT_EQ(FillAt(ProgressBar::kInset + 10), bar.BarColour());
    EXPECT_EQ(FillAt(ProgressBar::kInset + 477 * 30 / 100 + 2), bar.BackgroundColour());
}

TEST_F(ProgressBarTest, APartialStepBackLeavesTheBarAsItWas) {
    bar.SetPosition(50);
    const QImage before = bar.Canvas().copy();
    bar.SetPosition(30);
    EXPECT_EQ(bar.Canvas(), before);
}

TEST_F(ProgressBarTest, BackToNothingClearsTheBar) {
    bar.SetPosition(60);
    bar.SetPosition(0);
    EXPECT_EQ(FillAt(ProgressBar::kInset + 10), bar.BackgroundColour());
    EXPECT_EQ(FillAt(ProgressBar::kInset + 200), bar.BackgroundColour());
}

// The white edges of a sunken frame a bar of the given size would leave inside a bigger one.
int StrayFramePixels(const QImage& shown, QSize earlier) {
    int stray = 0;
    for (int y = 1; y < shown.height() - 1; ++y)
        stray += shown.pixelColor(earlier.width() - 1, y) == QColor(Qt::white);
    for (int x = 1; x < shown.width() - 1; ++x)
        stray += shown.pixelColor(x, earlier.height() - 1) == QColor(Qt::white);
    return stray;
}

TEST(ProgressBarSizes, ABarPaintedSmallThenGrownShowsOnlyItsOwnFrame) {
    for (const QSize size : {QSize(485, 40), QSize(300, 60), QSize(120, 31)}) {
        SCOPED_TRACE(size.width());
        QWidget window;
        auto* bar = new ProgressBar(&window);
        const QSize first = bar->size();
        ASSERT_LT(first.width(), size.width());
        bar->SetPosition(0); // painted at the size a new control has
        bar->resize(size);
        window.resize(size);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        bar->SetPosition(40);
        const QImage shown = bar->grab().toImage();
        ASSERT_EQ(shown.size(), size);
        EXPECT_EQ(StrayFramePixels(shown, first), 0);
        EXPECT_EQ(shown.pixelColor(size.width() - 1, size.height() / 2), QColor(Qt::white));
        EXPECT_EQ(shown.pixelColor(0, size.height() / 2), QColor(Qt::black));
        // Right of the fill and clear of the text lies the plain background.
        EXPECT_EQ(shown.pixelColor(size.width() - ProgressBar::kInset - 1, size.height() / 2),
                  bar->BackgroundColour());
    }
}

TEST(ProgressWindow, TheBarOnScreenHasOneFrameAtItsEdges) {
    ProgressWindow window;
    window.ShowInFront();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Bar()->SetPosition(25);
    const QImage shown = window.Bar()->grab().toImage();
    EXPECT_EQ(StrayFramePixels(shown, QSize(100, 30)), 0);
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, 10), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(10, shown.height() - 1), QColor(Qt::white));
}

TEST(ProgressWindow, IsASmallCaptionlessStayOnTopWindow) {
    ProgressWindow window;
    window.ShowInFront();
    EXPECT_EQ(window.windowTitle(), "Progr");
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.contentsRect().size(), QSize(485, 40));
    EXPECT_EQ(window.Bar()->geometry(), window.contentsRect());
    EXPECT_EQ(window.Bar()->Position(), 0);
}

TEST(ProgressWindow, EscapeAsksToStopAndOtherKeysDoNothing) {
    ProgressWindow window;
    window.ShowInFront();
    QTest::keyClick(&window, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.Cancelled());
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.Cancelled());
}

TEST(ProgressWindow, TheUserCannotCloseIt) {
    ProgressWindow window;
    window.ShowInFront();
    // A close from the window system, as a window manager's close command would send it.
    window.windowHandle()->close();
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_TRUE(window.isVisible());
    window.Finish(); // the comparison run's own close
    EXPECT_FALSE(window.isVisible());
}

// The window's pending events, the bar's steps among them, handled now.
void HandleEvents() {
    QCoreApplication::processEvents();
}

TEST(ProgressFeed, TheBarMovesOncePerWholePercentWhenTheWindowsEventsAreHandled) {
    ProgressWindow window;
    ProgressFeed feed(&window);
    for (int row = 0; row < 500; ++row)
        EXPECT_EQ(feed.ReportProgress(row, 999), ProgressVerdict::Continue);
    EXPECT_EQ(window.Bar()->Maximum(), 100); // nothing reaches the bar outside its own events
    HandleEvents();
    EXPECT_EQ(window.Bar()->Maximum(), 999);
    EXPECT_EQ(window.Bar()->Position(), 490); // the first row of 49 %
    for (int row = 500; row < 1000; ++row)
        feed.ReportProgress(row, 999);
    HandleEvents();
    EXPECT_EQ(window.Bar()->Position(), 999);
    EXPECT_EQ(window.Bar()->Percent(), 100);
    EXPECT_EQ(feed.Steps(), 1 + 100); // the range once, then each percent
}

TEST(ProgressFeed, RowsReportedOnAnotherThreadReachTheBarInOrder) {
    ProgressWindow window;
    ProgressFeed feed(&window);
    std::thread rows([&feed] {
        for (int row = 0; row < 2000; ++row)
            feed.ReportProgress(row, 1999);
    });
    rows.join();
    HandleEvents();
    EXPECT_EQ(window.Bar()->Maximum(), 1999);
    EXPECT_EQ(window.Bar()->Position(), 1999);
    EXPECT_EQ(feed.Steps(), 1 + 100);
}

TEST(ProgressFeed, ASideOfOneLineSetsThePositionDirectly) {
    ProgressWindow window;
    ProgressFeed feed(&window);
    EXPECT_EQ(feed.ReportProgress(0, 0), ProgressVerdict::Continue);
    HandleEvents();
    EXPECT_EQ(window.Bar()->Minimum(), -1);
    EXPECT_EQ(window.Bar()->Position(), 0);
}

TEST(ProgressFeed, EscapeCancelsAtOnceAndAWindowGoneAbandons) {
    auto* window = new ProgressWindow();
    window->ShowInFront();
    ProgressFeed feed(window);
    QTest::keyClick(window, Qt::Key_Escape);
    // The flag a long line score looks at is set by the key itself, not by the next report.
    EXPECT_TRUE(feed.cancelRequested);
    EXPECT_EQ(feed.ReportProgress(0, 99), ProgressVerdict::Cancel);
    feed.ReportProgress(60, 99); // a step still on its way when the window goes
    delete window;
    HandleEvents();
    EXPECT_EQ(feed.ReportProgress(70, 99), ProgressVerdict::Abandon);
    EXPECT_EQ(feed.ReportProgress(80, 99), ProgressVerdict::Abandon);
}

TEST(ProgressFeed, AWindowGoneStopsTheRunWhereItIs) {
    auto* window = new ProgressWindow();
    ProgressFeed feed(window);
    delete window;
    EXPECT_TRUE(feed.cancelRequested); // a line score under way ends too
    EXPECT_EQ(feed.ReportProgress(0, 99), ProgressVerdict::Abandon);
}

TEST(ProgressFeed, AWindowThatOutlivesItsFeedTakesEscapeAndLateStepsSafely) {
    ProgressWindow window;
    window.ShowInFront();
    {
        ProgressFeed feed(&window);
        feed.ReportProgress(50, 99);
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    HandleEvents(); // the step the feed sent before it went is still set
    EXPECT_EQ(window.Bar()->Position(), 50);
    EXPECT_TRUE(window.Cancelled());
}

} // namespace
} // namespace tandem
