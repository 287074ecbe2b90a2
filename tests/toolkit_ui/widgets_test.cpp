// SPDX-License-Identifier: GPL-3.0-or-later
// The small controls and helpers: image lists, colour codes, the shadow label.
#include "toolkit/colours.h"
#include "toolkit/imagelist.h"
#include "toolkit/imageshow.h"
#include "toolkit/shadowlabel.h"

#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(ImageList, CutsStripsAndMakesTheMaskColourTransparent) {
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(20, 5, qRgb(255, 0, 0));
    ImageList images(16, 16);
    EXPECT_EQ(images.AddMasked(strip, Qt::white), 0);
    EXPECT_EQ(images.Count(), 3);
    EXPECT_EQ(images.AddMasked(strip, Qt::white), 3);
    const QImage second = images.Image(1).toImage();
    EXPECT_EQ(qAlpha(second.pixel(0, 0)), 0);
    EXPECT_EQ(second.pixel(4, 5), qRgb(255, 0, 0));
    EXPECT_TRUE(images.Image(9).isNull());
}

TEST(ImageShow, DrawsItsImage) {
    QImage strip(32, 25, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.fill(QColor(0, 0, 255)); // image 0 and 1 both blue
    ImageList images(16, 25);
    images.AddMasked(strip, Qt::white);
    ImageShow show(&images, 0);
    show.resize(16, 25);
    const QImage drawn = show.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(8, 12), QColor(0, 0, 255));
}

TEST(Colours, CodesAreBgrOrSystemColours) {
    EXPECT_EQ(ColourFromCode(0xD8E9EC), QColor(236, 233, 216));
    EXPECT_EQ(CodeFromColour(QColor(236, 233, 216)), 0xD8E9EC);
    EXPECT_EQ(ColourFromCode(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(SystemColourCode(kWindowColour), std::int32_t(0x80000005u));
    EXPECT_EQ(ColourFromCode(-2147483643), SystemColour(kWindowColour));
    EXPECT_EQ(SystemColour(kWindowColour), QPalette().color(QPalette::Base));
}

TEST(ShadowLabel, DrawsTheShadowBesideTheText) {
    ShadowLabel label(nullptr, 1);
    label.setFont(QFont("Liberation Sans", 14, QFont::Bold));
    label.setText("I");
    label.SetShadowColour(QColor(255, 0, 0));
    label.resize(40, 24);
    const QImage drawn = label.grab().toImage();
    bool sawShadow = false;
    for (int y = 0; y < drawn.height() && !sawShadow; ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            sawShadow = sawShadow || drawn.pixelColor(x, y) == QColor(255, 0, 0);
    }
    EXPECT_TRUE(sawShadow);
}

} // namespace
} // namespace tandem
