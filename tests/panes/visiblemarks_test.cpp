// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/showdifference.h"
#include "panes/visiblemarks.h"
#include "toolkit/stringlist.h"
#include "toolkit/textpane.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tandem {
namespace {

// Colour codes of the marks: 0x00BBGGRR.
constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;
constexpr int kDarkRed = 0x0000BF;

class VisibleMarksTest : public ::testing::Test {
protected:
    VisibleMarksTest() {
        window.resize(400, 300);
        marker = new QWidget(&window);
        marker->setGeometry(-1, 63, 16, 25);
        marker->hide();
        pane = new TextPane(&window);
        pane->setGeometry(20, 0, 380, 300);
        pane->SetExtendedBackground(true);
        std::string text;
        for (int line = 0; line < kLines; ++line)
            text += "line " + std::to_string(line) + " x = 1;\n";
        text.pop_back();
        pane->SetWholeText(text);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    CharFormat FormatAt(int line, int offset) {
        pane->SetSelectionLength(pane->LineStart(line) + offset, 0);
        return pane->SelectionFormat();
    }
    // The look of one byte, whether or not a caret could stand there.
    long StyleAt(int line, int offset) const {
        return pane->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                   static_cast<unsigned long>(pane->LineStart(line) + offset));
    }
    int VisibleRows() const { return pane->height() / pane->LineHeight(); }

    static constexpr int kLines = 200;
    QWidget window;
    QWidget* marker;
    TextPane* pane;
};

TEST_F(VisibleMarksTest, OnlyVisibleRowsAreColouredAndTheirMarksUsedUp) {
    pane->ScrollLines(50);
    const int first = pane->FirstVisibleLine();
    ASSERT_EQ(first, 50);
    StringList marks;
    marks.Add("5," + std::to_string(kRed));   // above the view: stays
    marks.Add("60," + std::to_string(kRed));  // in view
    marks.Add("180," + std::to_string(kRed)); // below: ends the walk
    ApplyVisibleMarks(pane, &marks);
    ASSERT_EQ(marks.Count(), 2);
    EXPECT_EQ(marks.Item(0), "5,255");
    EXPECT_EQ(marks.Item(1), "180,255");
    const CharFormat coloured = FormatAt(60, 0);
    EXPECT_FALSE(coloured.autoBackground);
    EXPECT_EQ(coloured.background, QColor(Qt::red));
    EXPECT_EQ(coloured.text, QColor(Qt::white));
    // The line end is coloured too, so the band reaches the right edge.
    EXPECT_EQ(FormatAt(60, int(pane->LineText(60).size())).background, QColor(Qt::red));
    EXPECT_TRUE(FormatAt(61, 0).autoBackground);
    EXPECT_TRUE(FormatAt(5, 0).autoBackground);

    pane->ScrollLines(-50); // scrolling back up colours the marks left behind
    ApplyVisibleMarks(pane, &marks);
    EXPECT_EQ(FormatAt(5, 0).background, QColor(Qt::red));
    EXPECT_EQ(marks.Count(), 1);
}

TEST_F(VisibleMarksTest, ASpanMarkAfterItsRowMarkWinsOverTheChangedBytes) {
    StringList marks;
    marks.Add("3," + std::to_string(kBlue));
    marks.Add("3,9,1," + std::to_string(kDarkRed)); // the "1" of "line 3 x = 1;"
    ApplyVisibleMarks(pane, &marks);
    EXPECT_EQ(marks.Count(), 0);
    EXPECT_EQ(FormatAt(3, 8).background, QColor(Qt::blue));
    EXPECT_EQ(FormatAt(3, 9).background, QColor(191, 0, 0));
    EXPECT_EQ(FormatAt(3, 10).background, QColor(Qt::blue));
}

TEST_F(VisibleMarksTest, ASpanInsideAMultiByteCharacterColoursTheWholeCharacter) {
    // "alpha b\xC3\xA8" against "alpha b\xC3\xA9": the records name the one unequal byte.
    pane->SetWholeText("alpha b\xC3\xA8 x\nalpha b\xC3\xA8");
    ASSERT_TRUE(pane->isUtf8());
    StringList marks;
    marks.Add("0,8,1," + std::to_string(kBlue));
    marks.Add("1,7,1," + std::to_string(kBlue)); // the first byte only
    ApplyVisibleMarks(pane, &marks);
    for (int line : {0, 1}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(FormatAt(line, 6).autoBackground);
        EXPECT_EQ(FormatAt(line, 7).background, QColor(Qt::blue));
        // Both bytes of the character carry the same look.
        EXPECT_EQ(StyleAt(line, 8), StyleAt(line, 7));
        EXPECT_NE(StyleAt(line, 6), StyleAt(line, 7));
    }
    EXPECT_TRUE(FormatAt(0, 9).autoBackground);
    EXPECT_EQ(marks.Count(), 0);
}

TEST_F(VisibleMarksTest, ASingleByteTextPaneColoursExactlyTheBytesOfASpan) {
    pane->setUtf8(false);
    pane->SetWholeText("alpha b\xE8 x");
    StringList marks;
    marks.Add("0,7,1," + std::to_string(kBlue));
    ApplyVisibleMarks(pane, &marks);
    EXPECT_TRUE(FormatAt(0, 6).autoBackground);
    EXPECT_EQ(FormatAt(0, 7).background, QColor(Qt::blue));
    EXPECT_TRUE(FormatAt(0, 8).autoBackground);
}

TEST_F(VisibleMarksTest, TheUsersSelectionStaysWhereItWas) {
    pane->SetSelection(12, 14);
    StringList marks;
    marks.Add("1," + std::to_string(kRed));
    ApplyVisibleMarks(pane, &marks);
    EXPECT_EQ(pane->SelectionStart(), 12);
    EXPECT_EQ(pane->SelectionEnd(), 14);
}

TEST_F(VisibleMarksTest, NoListColoursNothing) {
    ApplyVisibleMarks(pane, nullptr);
    ApplyVisibleMarks(nullptr, nullptr);
    EXPECT_TRUE(FormatAt(0, 0).autoBackground);
}

TEST_F(VisibleMarksTest, ShowingABlockPutsItTwoLinesAboveTheMiddleWithTheMarkerBesideIt) {
    TextPane* other = new TextPane(&window);
    other->SetWholeText(pane->WholeText());
    StringList marks;
    marks.Add("120," + std::to_string(kRed));
    DifferencePanes panes{pane, other, &marks, nullptr, marker, nullptr};
    ShowDifference(panes, "120,125,l");
    const int expectedTop = 120 - VisibleRows() / 2 + 2;
    EXPECT_EQ(pane->FirstVisibleLine(), expectedTop);
    EXPECT_EQ(other->FirstVisibleLine(), expectedTop);
    EXPECT_TRUE(marker->isVisible());
    const int rowMiddle =
        pane->mapTo(&window, pane->viewport()->mapTo(pane, pane->PointOf(pane->LineStart(120))))
            .y() +
        pane->LineHeight() / 2;
    EXPECT_NEAR(marker->geometry().center().y(), rowMiddle, 1);
    EXPECT_EQ(FormatAt(120, 0).background, QColor(Qt::red));
}

TEST_F(VisibleMarksTest, ABlockOnTheLastLineAndAnEmptyRecordStillShow) {
    TextPane* other = new TextPane(&window);
    DifferencePanes panes{pane, other, nullptr, nullptr, marker, nullptr};
    ShowDifference(panes, "199,199,r");
    EXPECT_GT(pane->FirstVisibleLine(), 150);
    EXPECT_TRUE(marker->isVisible());
    ShowDifference(panes, "");
    EXPECT_EQ(pane->FirstVisibleLine(), 0);
}

} // namespace
} // namespace tandem
