// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/framegeometry.h"

#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(FrameColours, RingsShadeFromNearBlackToTheFrameColour) {
    const QColor frame(236, 233, 216);
    EXPECT_EQ(RingColour(frame, 1, 20), QColor(11, 11, 10));
    EXPECT_EQ(RingColour(frame, 10, 20), QColor(118, 116, 108));
    EXPECT_EQ(RingColour(frame, 20, 20), frame);
}

TEST(FrameColours, LightenStopsAtWhite) {
    EXPECT_EQ(Lighten(QColor(100, 235, 240), 20), QColor(120, 255, 255));
    EXPECT_EQ(Lighten(QColor(100, 234, 0), 20), QColor(120, 254, 20));
    EXPECT_EQ(Lighten(QColor(7, 8, 9), 0), QColor(7, 8, 9));
}

TEST(FrameColours, TintMovesTheBackgroundAndScalesTheMarks) {
    QImage image(3, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, QColor(192, 192, 192)); // background
    image.setPixelColor(1, 0, QColor(40, 0, 96));     // a mark
    image.setPixelColor(2, 0, QColor(10, 255, 192));
    Tint(image, QColor(192, 192, 192), QColor(236, 233, 0));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(236, 233, 0));
    // 40 * 236 / 192 = 49 is raised by 50; 0 stays 0; towards black 96 scales by 150 / 255.
    EXPECT_EQ(image.pixelColor(1, 0), QColor(99, 0, 56));
    EXPECT_EQ(image.pixelColor(2, 0), QColor(62, 255, 0));
}

TEST(FrameColours, TintBetweenEqualColoursChangesNothing) {
    QImage image(1, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, QColor(5, 5, 5));
    Tint(image, QColor(9, 9, 9), QColor(9, 9, 9));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(5, 5, 5));
}

TEST(FrameButtons, SitRightToLeftInTheCaptionBand) {
    const QSize window(400, 300);
    EXPECT_EQ(CaptionButtonRect(0, window, 20, 22, false), QRect(355, 21, 20, 20));
    EXPECT_EQ(CaptionButtonRect(1, window, 20, 22, false), QRect(330, 21, 20, 20));
    EXPECT_EQ(CaptionButtonRect(2, window, 20, 22, false), QRect(305, 21, 20, 20));
    EXPECT_EQ(CaptionButtonRect(0, QSize(160, 30), 20, 22, true), QRect(135, 5, 20, 20));
}

TEST(FrameButtons, HotButtonNeedsAPointStrictlyInside) {
    const std::array<QRect, 3> buttons = {QRect(355, 21, 20, 20), QRect(330, 21, 20, 20), QRect()};
    EXPECT_EQ(HotButton({360, 30}, buttons), 1);
    EXPECT_EQ(HotButton({331, 22}, buttons), 2);
    EXPECT_EQ(HotButton({355, 30}, buttons), 0);
    EXPECT_EQ(HotButton({375, 30}, buttons), 0);
    EXPECT_EQ(HotButton({0, 0}, buttons), 0);
}

struct HitCase {
    QPoint point;
    bool hasCaption;
    FrameHit expected;
};

class FrameHitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(FrameHitTest, BandResizesAndCaptionMoves) {
    const HitCase& c = GetParam();
    EXPECT_EQ(HitTest(c.point, QSize(400, 300), 20, 22, c.hasCaption, false), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Points, FrameHitTest,
                         ::testing::Values(HitCase{{5, 150}, true, FrameHit::Left},
                                           HitCase{{5, 5}, true, FrameHit::TopLeft},
                                           HitCase{{5, 295}, true, FrameHit::BottomLeft},
                                           HitCase{{395, 150}, true, FrameHit::Right},
                                           HitCase{{395, 10}, true, FrameHit::TopRight},
                                           HitCase{{395, 290}, true, FrameHit::BottomRight},
                                           HitCase{{200, 5}, true, FrameHit::Top},
                                           HitCase{{200, 290}, true, FrameHit::Bottom},
                                           HitCase{{200, 30}, true, FrameHit::Caption},
                                           HitCase{{200, 30}, false, FrameHit::Client},
                                           HitCase{{200, 150}, true, FrameHit::Client},
                                           HitCase{{20, 150}, true, FrameHit::Client}));

TEST(FrameHit, MinimisedWindowOnlyMoves) {
    EXPECT_EQ(HitTest({2, 2}, QSize(160, 30), 20, 22, true, true), FrameHit::Caption);
}

TEST(FrameShape, RegionHasRoundCornersAndTheMarginsHoldTheBand) {
    const QRegion region = RoundedRegion(QSize(200, 100), 20);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(199, 99)));
    EXPECT_TRUE(region.contains(QPoint(20, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 50)));
    EXPECT_TRUE(region.contains(QPoint(6, 6)));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 200, 100));
    EXPECT_EQ(FrameMargins(20, 22, true), QMargins(20, 43, 20, 20));
    EXPECT_EQ(FrameMargins(10, 22, false), QMargins(10, 10, 10, 10));
}

} // namespace
} // namespace tandem
