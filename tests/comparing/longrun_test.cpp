// SPDX-License-Identifier: GPL-3.0-or-later
// Long comparisons: the window goes on handling its events while the run works, Escape stops it
// and shows what it had, closing the window leaves it behind, and nothing the user does
// meanwhile changes the panes under it.
#include "app/programrefs.h"
#include "comparingfixture.h"
#include "windows/progressbar.h"
#include "windows/progresswindow.h"

#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <functional>

namespace tandem {
namespace {

class LongRunTest : public ComparingTest {
protected:
    // Two files of the same name whose 2000 lines all differ, so that every row is searched:
    // a run of some seconds. The window starts on small files of the same names.
    void StartOnHeavyPair() {
        StartOn("x\n", "y\n", "heavy/a.txt", "heavy2/a.txt");
        QByteArray left;
        QByteArray right;
        for (int line = 0; line < kHeavyLines; ++line) {
            left += "left " + QByteArray::number(line) + " alpha\n";
            right += "right " + QByteArray::number(line) + " omega omega\n";
        }
        Write("heavy/a.txt", left);
        Write("heavy2/a.txt", right);
    }
    // Recompare with `tick` called on every pass of the window's event loop while it runs.
    void RecompareTicking(const std::function<void()>& tick) {
        QTimer timer;
        timer.setInterval(0);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (Progress())
                tick();
        });
        timer.start();
        Recompare(*window);
    }
    static ProgressWindow* Progress() {
        return qobject_cast<ProgressWindow*>(Program().progress.data());
    }
    static void PressEscape() { QTest::keyClick(Progress(), Qt::Key_Escape); }

    static constexpr int kHeavyLines = 2000;
};

TEST_F(LongRunTest, TheWindowHandlesItsEventsBetweenTheBarsSteps) {
    StartOnHeavyPair();
    // Passes of the event loop while the bar stood at one position; a window that only sees its
    // events when the bar moves has one pass per position.
    int passesAtOnePosition = 0;
    int mostPasses = 0;
    int position = -1;
    bool escaped = false;
    bool barShown = false;
    bool toolbarOff = false;
    RecompareTicking([&] {
        if (escaped)
            return;
        barShown = Progress()->isVisible();
        toolbarOff = !window->toolbar->isEnabled();
        ProgressBar* bar = Progress()->Bar();
        passesAtOnePosition = bar->Position() == position ? passesAtOnePosition + 1 : 1;
        position = bar->Position();
        mostPasses = std::max(mostPasses, passesAtOnePosition);
        if (mostPasses >= 3 || bar->Percent() >= 50) {
            PressEscape();
            escaped = true;
        }
    });
    EXPECT_GE(mostPasses, 3);
    EXPECT_TRUE(barShown);
    EXPECT_TRUE(toolbarOff);
    // Escape ended the run as usual: what it had aligned is shown and the window is free again.
    EXPECT_EQ(Program().progress, nullptr);
    EXPECT_TRUE(window->toolbar->isEnabled());
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), window->sides[kRight].pane->LineCount());
    EXPECT_GE(window->sides[kLeft].pane->LineCount(), kHeavyLines);
}

TEST_F(LongRunTest, ClosingTheWindowLeavesTheRunBehindAndTheProgramCarriesOn) {
    StartOnHeavyPair();
    int passes = 0;
    RecompareTicking([&] {
        if (++passes == 3)
            window->close();
    });
    EXPECT_EQ(Program().progress, nullptr);
    EXPECT_EQ(window->blocks, nullptr);
    EXPECT_FALSE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), kHeavyLines); // as read, not aligned
    EXPECT_EQ(window->sides[kRight].pane->LineCount(), kHeavyLines);
    // The panes go while the run may still be reading their texts: they stop it and wait.
    window.reset();
    EXPECT_TRUE(questions.empty());

    StartOn("a\nx\n", "a\nb\nc\nx\n", "next/a.txt", "next2/a.txt");
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(Blocks(), std::vector<std::string>{"1,2,r"});
}

TEST_F(LongRunTest, CommandsThatWouldReloadThePanesWaitForTheRun) {
    StartOnHeavyPair();
    const QString changedOnDisk = "changed\n";
    bool tried = false;
    RecompareTicking([&] {
        if (tried)
            return;
        tried = true;
        Write("heavy/a.txt", changedOnDisk.toUtf8());
        // A file notice's "Compare again" and the Setup dialog's colours call Recompare itself.
        Recompare(*window);
        QTest::keyClick(window.get(), Qt::Key_F5);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(window->busy);
        EXPECT_EQ(window->sides[kLeft].pane->LineCount(), kHeavyLines);
        PressEscape();
    });
    EXPECT_TRUE(tried);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(window->alignedText);
    EXPECT_TRUE(window->toolbar->isEnabled());
    // The run's own text, aligned: the file written meanwhile waits for the next Recompare.
    EXPECT_GE(window->sides[kLeft].pane->LineCount(), kHeavyLines);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(0), "left 0 alpha");
    Recompare(*window);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(0), "changed");
}

} // namespace
} // namespace tandem
