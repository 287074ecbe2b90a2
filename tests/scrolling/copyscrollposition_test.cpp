// SPDX-License-Identifier: GPL-3.0-or-later
// Copying one pane's scroll position to a pane on its own, without the window around them.
#include "panes/copyscrollposition.h"
#include "panes/forwardingpane.h"
#include "panes/syncguard.h"
#include "toolkit/textpane.h"

#include <QScrollBar>
#include <gtest/gtest.h>
#include <string>

namespace tandem {
namespace {

std::string Lines(int count, int width = 10) {
    std::string text;
    for (int line = 0; line < count; ++line)
        text += std::to_string(line) + std::string(size_t(width), 'x') + "\n";
    return text;
}

class CopyScrollPositionTest : public ::testing::Test {
protected:
    void Fill(int sourceLines, int targetLines, int width = 10) {
        for (TextPane* pane : {&source, &target}) {
            pane->resize(300, 200);
            pane->show();
        }
        source.SetWholeText(Lines(sourceLines, width));
        target.SetWholeText(Lines(targetLines, width));
    }
    TextPane source;
    TextPane target;
};

TEST_F(CopyScrollPositionTest, TheTargetShowsTheSameFirstLineAndOffset) {
    Fill(500, 500, 400);
    source.ScrollLines(123);
    source.ScrollHorizontal(ScrollRequest::Thumb, 64);
    CopyScrollPosition(source, target);
    EXPECT_EQ(target.FirstVisibleLine(), 123);
    EXPECT_EQ(target.ScrollPosition(), source.ScrollPosition());
}

TEST_F(CopyScrollPositionTest, AShorterTargetStopsAtItsEnd) {
    Fill(500, 40);
    source.ScrollLines(300);
    CopyScrollPosition(source, target);
    EXPECT_EQ(source.FirstVisibleLine(), 300);
    EXPECT_EQ(target.verticalScrollBar()->value(), target.verticalScrollBar()->maximum());
}

TEST_F(CopyScrollPositionTest, FirstLinesBeyondSixteenBitsAreCopiedExactly) {
    Fill(70000, 70000);
    source.ScrollLines(69000);
    CopyScrollPosition(source, target);
    EXPECT_EQ(target.FirstVisibleLine(), 69000);
}

TEST_F(CopyScrollPositionTest, NothingMovesWhileTheProgramScrollsOrTheTargetForwards) {
    Fill(500, 500);
    source.ScrollLines(50);
    {
        const SyncGuard guard;
        CopyScrollPosition(source, target);
    }
    EXPECT_EQ(target.FirstVisibleLine(), 0);
    {
        const ForwardingPane forwarding(&target);
        CopyScrollPosition(source, target);
    }
    EXPECT_EQ(target.FirstVisibleLine(), 0);
    EXPECT_FALSE(SyncGuard::Held());
    EXPECT_EQ(ForwardingPane::Current(), nullptr);
}

} // namespace
} // namespace tandem
