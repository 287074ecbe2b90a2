// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programrefs.h"
#include "comparingfixture.h"
#include "settings/pairkey.h"
#include "toolkit/fields.h"
#include "toolkit/imageshow.h"
#include "toolkit/shadowlabel.h"
#include "windows/progresswindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace tandem {
namespace {

TEST_F(ComparingTest, StartUpShowsTheCommandLinePairAlignedAndColoured) {
    Start({Write("one/a.txt", "a\nx\n"), Write("two/b.txt", "a\nb\nc\nx\n")});
    EXPECT_TRUE(questions.empty()); // different names, but start-up asks nothing
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->WholeText(), "a\n\n\nx");
    EXPECT_EQ(window->sides[kRight].pane->WholeText(), "a\nb\nc\nx");
    EXPECT_EQ(Blocks(), std::vector<std::string>{"1,2,r"});
    EXPECT_TRUE(window->sides[kLeft].caption->text().endsWith("one/a.txt"));
    EXPECT_EQ(window->sides[kLeft].recent->count(), 1);
    EXPECT_EQ(Program().progress, nullptr);
    EXPECT_TRUE(window->toolbar->isEnabled());

    Paint();
    const CharFormat filler = FormatOfRow(window->sides[kLeft].pane, 1);
    EXPECT_EQ(filler.background, window->insertColour);
    EXPECT_EQ(filler.text, QColor(Qt::white));
    EXPECT_EQ(FormatOfRow(window->sides[kRight].pane, 2).background, window->differenceColour1);
    EXPECT_TRUE(FormatOfRow(window->sides[kRight].pane, 3).autoBackground);
    EXPECT_EQ(window->sides[kLeft].marks->Count(), 0); // all on screen, all used
}

TEST_F(ComparingTest, ComparingAndColouringNeverSelectTheText) {
    // On X11 a selection is handed to the system: the whole file, or a pane row in place of
    // what the user selected elsewhere.
    Start({Write("one/a.txt", "a\nx = 1;\nmoved\n"), Write("two/a.txt", "a\nx = 2;\nb\n")});
    QSignalSpy leftSelections(window->sides[kLeft].pane, &QsciScintillaBase::QSCN_SELCHANGED);
    QSignalSpy rightSelections(window->sides[kRight].pane, &QsciScintillaBase::QSCN_SELCHANGED);
    Recompare(*window);
    Paint();
    ASSERT_TRUE(window->alignedText);
    EXPECT_EQ(FormatOfRow(window->sides[kLeft].pane, 1).background, window->differenceColour3);
    for (const QSignalSpy* spy : {&leftSelections, &rightSelections}) {
        for (const QList<QVariant>& change : *spy)
            EXPECT_FALSE(change.at(0).toBool());
    }
}

TEST_F(ComparingTest, AFileReadAloneAfterAComparisonIsShownAsRead) {
    StartFarApart();
    Paint();
    // A file of another name is not compared at once: its pane shows the file as read, which
    // the marks still standing from the last comparison may colour when the pane paints.
    const QByteArray other = QByteArray("other line\n").repeated(300);
    LoadFile(*window, kLeft, Write("elsewhere/other.txt", other));
    EXPECT_FALSE(window->alignedText);
    window->sides[kLeft].pane->ScrollLines(140);
    Paint();
    QApplication::processEvents();
    EXPECT_EQ(window->sides[kLeft].pane->WholeText() + "\n", other.toStdString());
    EXPECT_EQ(window->sides[kLeft].pane->FirstVisibleLine(), 140);
}

TEST_F(ComparingTest, AChangedLineShowsItsChangedBytesInTheirOwnColour) {
    Start({Write("a.txt", "x = 1;\n"), Write("b.txt", "x = 2;\n")});
    Paint();
    EXPECT_EQ(FormatOfRow(window->sides[kLeft].pane, 0).background, window->differenceColour3);
    window->sides[kLeft].pane->SetSelectionLength(4, 0);
    EXPECT_EQ(window->sides[kLeft].pane->SelectionFormat().background, window->differenceColour2);
}

TEST_F(ComparingTest, ThePairAndItsCurrentDifferenceComeBackAtTheNextStart) {
    StartFarApart();
    const QString left = window->sides[kLeft].fileName;
    FirstDifference(*window);
    NextDifference(*window);
    NextDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 3");
    Start({});
    EXPECT_EQ(window->sides[kLeft].fileName, left);
    EXPECT_EQ(window->currentDifference, 2);
    EXPECT_EQ(Status(4), "Pos: 3");
    EXPECT_TRUE(window->sides[kLeft].marker->isVisible());
    EXPECT_GT(window->sides[kLeft].pane->FirstVisibleLine(), 200); // block 2 at row 250 in view
    EXPECT_EQ(window->sides[kLeft].recent->count(), 1);
}

TEST_F(ComparingTest, NothingIsColouredWhileTheBusyMarkerIsSet) {
    StartFarApart();
    const int marks = window->sides[kLeft].marks->Count();
    ASSERT_GT(marks, 0);
    QObject busy;
    Program().progress = &busy;
    window->sides[kLeft].pane->ScrollVertical(ScrollRequest::Top);
    window->sides[kLeft].pane->ScrollLines(140); // row 150 comes into view
    Paint();
    EXPECT_EQ(window->sides[kLeft].marks->Count(), marks);
    Program().progress = nullptr;
    Paint();
    EXPECT_LT(window->sides[kLeft].marks->Count(), marks);
    EXPECT_EQ(FormatOfRow(window->sides[kLeft].pane, 150).background, window->differenceColour3);
}

TEST_F(ComparingTest, ThePairsOwnDepthAndLookupAreTakenOverAndShown) {
    StartFarApart();
    const std::string key = PairKey(window->sides[kLeft].fileName, window->sides[kRight].fileName);
    window->settings->WriteString(key + "_DP", "75");
    window->settings->WriteString(key + "_DA", "900");
    window->alignedText = false; // as after Recompare's save-state step
    LoadAndCompare(*window);
    EXPECT_EQ(window->depth, 75);
    EXPECT_EQ(window->lookup, 900);
    EXPECT_EQ(Status(0), "Depth: 75%");
    EXPECT_EQ(Status(1), "Lookup: 900 lines");
}

TEST_F(ComparingTest, NavigationStopsAtBothEndsWithoutWrapping) {
    StartFarApart();
    ASSERT_EQ(Blocks().size(), 3u);
    FirstDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 1");
    const int top = window->sides[kLeft].pane->FirstVisibleLine();
    PreviousDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 1");
    EXPECT_EQ(window->sides[kLeft].pane->FirstVisibleLine(), top);
    NextDifference(*window);
    NextDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 3");
    const int lastTop = window->sides[kLeft].pane->FirstVisibleLine();
    EXPECT_EQ(window->sides[kRight].pane->FirstVisibleLine(), lastTop);
    NextDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 3");
    EXPECT_EQ(window->currentDifference, 2);
    EXPECT_EQ(window->sides[kLeft].pane->FirstVisibleLine(), lastTop);
    FirstDifference(*window);
    LastDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 3");
    EXPECT_EQ(window->sides[kLeft].pane->FirstVisibleLine(), lastTop);
}

TEST_F(ComparingTest, APairComparedForTheFirstTimeOpensAtItsFirstDifference) {
    StartFarApart();
    ASSERT_EQ(Blocks().size(), 3u);
    EXPECT_EQ(window->currentDifference, 0);
    EXPECT_EQ(Status(4), "Pos: 1");
    TextPane* left = window->sides[kLeft].pane;
    EXPECT_LE(left->FirstVisibleLine(), 50);
    EXPECT_GT(left->FirstVisibleLine(), 30); // scrolled to the block at row 50
    EXPECT_TRUE(window->sides[kLeft].marker->isVisible());
    NextDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 2");
    EXPECT_GT(left->FirstVisibleLine(), 130);
}

TEST_F(ComparingTest, NoMarkerPointsAnywhereWhenThereIsNoDifference) {
    Start({Write("a.txt", "same\n"), Write("b.txt", "same\n")});
    ASSERT_TRUE(Blocks().empty());
    ToggleLayout(*window);
    ToggleLayout(*window);
    for (Side side : kEachSide)
        EXPECT_FALSE(window->sides[side].marker->isVisible());
}

TEST_F(ComparingTest, TheChosenBackgroundStaysThroughRecompare) {
    Start({Write("a.txt", "one\n"), Write("b.txt", "one\n")});
    const QColor chosen(40, 90, 30);
    for (Side side : kEachSide)
        window->sides[side].pane->SetBackgroundColour(chosen);
    Recompare(*window);
    for (Side side : kEachSide) {
        TextPane* pane = window->sides[side].pane;
        EXPECT_EQ(pane->BackgroundColour(), chosen);
        const QImage shown = pane->viewport()->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() - 4)), chosen);
    }
}

TEST_F(ComparingTest, NavigationOnAnEmptyListLeavesTheIndexOutside) {
    Start({Write("a.txt", "same\n"), Write("b.txt", "same\n")});
    ASSERT_TRUE(Blocks().empty());
    FirstDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 1");
    NextDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 0");
    EXPECT_EQ(window->currentDifference, -1);
    PreviousDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 1");
    LastDifference(*window);
    EXPECT_EQ(Status(4), "Pos: 0");
}

TEST_F(ComparingTest, DifferentNamesAreAskedAboutAndNoLeavesThemUncompared) {
    Start({Write("a.txt", "one\n"), Write("b.txt", "two\nthree\n")});
    ASSERT_TRUE(questions.empty());
    Recompare(*window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "The names of the files are different. Compare anyway ?");
    EXPECT_FALSE(window->alignedText);
    EXPECT_TRUE(Blocks().empty());
    EXPECT_EQ(window->sides[kLeft].pane->WholeText(), "one"); // as read from disk
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), 2);
}

TEST_F(ComparingTest, TheSameBareNameInOtherLetterCaseComparesWithoutAQuestion) {
    Start({Write("one/Readme.txt", "one\n"), Write("two/README.TXT", "two\n")});
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(window->alignedText);
}

TEST_F(ComparingTest, NoQuestionWhileTheSetupDialogIsOpen) {
    Start({Write("a.txt", "one\n"), Write("b.txt", "two\n")});
    QObject setupDialog;
    Program().setup = &setupDialog;
    Recompare(*window);
    Program().setup = nullptr;
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(window->alignedText);
}

TEST_F(ComparingTest, OpeningAFileOfTheSameNameComparesAtOnceAnOtherNameWaits) {
    Start({Write("one/notes.txt", "a\nb\n"), Write("two/notes.txt", "a\nb\n")});
    // Chosen as the open dialog chooses, through the one file it hands on; the dialog itself
    // is the open dialog test's.
    DropFiles(*window, kRight, {Write("three/NOTES.TXT", "a\nx\nb\n")});
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->WholeText(), "a\n\nb");
    EXPECT_EQ(window->sides[kRight].recent->count(), 2);

    DropFiles(*window, kLeft, {Write("four/other.txt", "z\n")});
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->WholeText(), "z");        // as read
    EXPECT_EQ(window->sides[kRight].pane->WholeText(), "a\nx\nb"); // the last comparison's text
    EXPECT_TRUE(Blocks().empty());
}

TEST_F(ComparingTest, BareNamesAreTheEndOfThePathAtMost64Characters) {
    EXPECT_EQ(BareName("/home/anna/notes.txt"), "notes.txt");
    EXPECT_EQ(BareName("C:\\a\\Readme.txt"), "Readme.txt");
    EXPECT_EQ(BareName("C:Readme.txt"), "Readme.txt");
    EXPECT_TRUE(SameBareName("C:\\a\\Readme.txt", "/b/README.TXT"));
    EXPECT_FALSE(SameBareName("a/\u00e9t\u00e9.txt", "b/\u00c9T\u00c9.TXT")); // only a..z fold
    const QString shared(64, QLatin1Char('n'));
    EXPECT_TRUE(SameBareName("a/" + shared + "1.txt", "b/" + shared + "2.txt"));
}

TEST_F(ComparingTest, RecentFileBoxesIgnoreLetterCaseAndPickingALeftFileFindsItsPartner) {
    StartFarApart("far/left.txt", "far/right.txt");
    const QString left = window->sides[kLeft].fileName;
    const QString right = window->sides[kRight].fileName;
    Start({Write("near/other.txt", "x\n"), Write("near/else.txt", "y\n")});
    answers = {1};
    Recompare(*window); // stores the pair and the lists
    Start({});
    EXPECT_EQ(window->sides[kLeft].recent->count(), 2);
    window->sides[kLeft].recent->setEditText(left.toUpper()); // typed: loaded, and not listed twice
    EXPECT_EQ(window->sides[kLeft].fileName, left.toUpper());
    EXPECT_EQ(window->sides[kLeft].recent->count(), 2);
    answers = {1}; // the partner's name differs
    window->sides[kLeft].recent->setCurrentIndex(window->sides[kLeft].recent->findText(left));
    // The far pair has a record, so its right file is loaded and the pair compared.
    EXPECT_EQ(window->sides[kLeft].fileName, left);
    EXPECT_EQ(window->sides[kRight].fileName, right);
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(Blocks().size(), 3u);
}

TEST_F(ComparingTest, EscapeStopsTheRunWhichShowsWhatItHasAligned) {
    Start({Write("long/a.txt", "x\n"), Write("long2/a.txt", "y\n")});
    QByteArray left;
    QByteArray right;
    for (int line = 0; line < 2000; ++line) {
        left += "left " + QByteArray::number(line) + " alpha\n";
        right += "right " + QByteArray::number(line) + " omega omega\n";
    }
    Write("long/a.txt", left);
    Write("long2/a.txt", right);
    bool barShown = false;
    QTimer::singleShot(0, [&] {
        auto* progress = qobject_cast<ProgressWindow*>(Program().progress.data());
        ASSERT_NE(progress, nullptr);
        barShown = progress->isVisible();
        EXPECT_FALSE(window->toolbar->isEnabled());
        QTest::keyClick(progress, Qt::Key_Escape);
    });
    Recompare(*window);
    EXPECT_TRUE(barShown);
    EXPECT_EQ(Program().progress, nullptr);
    EXPECT_TRUE(window->toolbar->isEnabled());
    EXPECT_TRUE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), window->sides[kRight].pane->LineCount());
    EXPECT_GE(window->sides[kLeft].pane->LineCount(), 2000);
    // Rows after the point where Escape arrived carry no record.
    ASSERT_FALSE(Blocks().empty());
    EXPECT_LT(TextToNumber(Field(Blocks().back(), ',', 2)), 100);
}

TEST_F(ComparingTest, ClosingTheWindowDuringARunAbandonsItWithoutTouchingThePanes) {
    Start({Write("long/a.txt", "x\n"), Write("long2/a.txt", "y\n")});
    QByteArray left;
    QByteArray right;
    for (int line = 0; line < 2000; ++line) {
        left += "left " + QByteArray::number(line) + " alpha\n";
        right += "right " + QByteArray::number(line) + "\n";
    }
    right += "one more\n";
    Write("long/a.txt", left);
    Write("long2/a.txt", right);
    QTimer::singleShot(0, [&] { window->close(); });
    Recompare(*window);
    EXPECT_EQ(Program().progress, nullptr);
    EXPECT_EQ(window->blocks, nullptr);
    EXPECT_FALSE(window->alignedText);
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), 2000); // as read, not filled up
    EXPECT_EQ(window->sides[kRight].pane->LineCount(), 2001);
    window.reset(); // the last save-state step finds no comparison to record
    EXPECT_TRUE(questions.empty());
}

} // namespace
} // namespace tandem
