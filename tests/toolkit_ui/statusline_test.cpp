// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/docklayout.h"
#include "toolkit/statusline.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(StatusPartEdges, DividesIntoEqualPartsWithTheLastReachingTheEdge) {
    EXPECT_EQ(StatusPartEdges(0, 800), (std::vector<int>{-1}));
    EXPECT_EQ(StatusPartEdges(4, 821), (std::vector<int>{164, 328, 492, 656, -1}));
}

class StatusLineTest : public ::testing::Test {
protected:
    StatusLineTest() {
        DockLayoutOf(&window);
        window.resize(500, 300);
        window.show();
    }
    QWidget window;
};

TEST_F(StatusLineTest, FirstUseAddsTheLineBelowAndMakesTheWindowTaller) {
    StatusLine* line = StatusLine::Of(&window);
    EXPECT_EQ(StatusLine::Of(&window), line);
    EXPECT_EQ(window.height(), 300 + line->height());
    window.layout()->activate();
    EXPECT_EQ(line->geometry().bottom(), window.height() - 1);
    EXPECT_EQ(line->width(), 500);
}

TEST_F(StatusLineTest, SimplePartSpansTheLine) {
    StatusLine* line = StatusLine::Of(&window);
    line->SetPart(StatusLine::kSimplePart, "Status line");
    EXPECT_TRUE(line->IsSimple());
    EXPECT_EQ(line->PartCount(), 1);
    EXPECT_EQ(line->PartText(0), "Status line");
}

TEST_F(StatusLineTest, SettingPartsDividesOnlyWhenTheLineHasTooFewParts) {
    StatusLine* line = StatusLine::Of(&window);
    line->SetPart(StatusLine::kSimplePart, "Status line");
    for (int part = 0; part < 5; ++part)
        line->SetPart(part, "");
    EXPECT_FALSE(line->IsSimple());
    ASSERT_EQ(line->PartCount(), 5);
    EXPECT_EQ(line->PartRect(0), QRect(0, 0, 100, line->height()));
    EXPECT_EQ(line->PartRect(4).right(), line->width() - 1);

    window.resize(1000, window.height());
    line->SetPart(2, "Differences: 3");
    EXPECT_EQ(line->PartRect(1).left(), 100); // five parts already: no new division
    EXPECT_EQ(line->PartText(2), "Differences: 3");
    line->SetPart(5, "six");
    ASSERT_EQ(line->PartCount(), 6);
    EXPECT_EQ(line->PartRect(1).left(), 1000 / 6);
    EXPECT_EQ(line->PartText(2), "Differences: 3");
}

} // namespace
} // namespace tandem
