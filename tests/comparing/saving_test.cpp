// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving an edited pair: "Save changes ?" and what ends up in the files.
#include "comparingfixture.h"

#include <QFile>

namespace tandem {
namespace {

// Left has CR LF line ends and a byte that is not UTF-8; right has two lines left lacks, and
// left has a last line right lacks.
const QByteArray kLeftText = "head\r\nkeep \xe9t\xe9\r\ntail\r\nonly left\r\n";
const QByteArray kRightText = "head\nkeep \xc3\xa9t\xc3\xa9\nnew one\nnew two\ntail\n";

class SavingTest : public ComparingTest {
protected:
    void StartPair() {
        StartOn(kLeftText, kRightText);
        ASSERT_TRUE(window->alignedText);
    }
    int RowOf(TextPane* pane, const std::string& text) const {
        for (int row = 0; row < pane->LineCount(); ++row) {
            if (pane->LineText(row) == text)
                return row;
        }
        return -1;
    }
    // What Copy does: the right side's lines written over the left's facing rows.
    void CopyToLeft(int first, int last) {
        for (int row = first; row <= last; ++row)
            window->sides[kLeft].pane->ReplaceLine(row, window->sides[kRight].pane->LineText(row));
        window->sides[kLeft].fillers.Forget(first, last);
        window->sides[kLeft].modified = true;
    }
    // What Delete does when the facing row is a filler: the row goes from both panes.
    void DeleteRowFromBoth(int row) {
        window->sides[kLeft].pane->DeleteLines(row, row);
        window->sides[kRight].pane->DeleteLines(row, row);
        window->sides[kLeft].fillers.RemoveRow(row);
        window->sides[kRight].fillers.RemoveRow(row);
        window->sides[kRight].modified = true;
    }
};

TEST_F(SavingTest, YesWritesExactlyTheSidesLinesWithItsOwnLineEndsAndBytes) {
    StartPair();
    const int first = RowOf(window->sides[kRight].pane, "new one");
    ASSERT_GT(first, 0);
    ASSERT_EQ(window->sides[kLeft].pane->LineText(first), ""); // a filler faces it
    CopyToLeft(first, first + 1);
    answers = {1};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Save changes ?");
    EXPECT_EQ(Read(leftPath).toStdString(),
              "head\r\nkeep \xe9t\xe9\r\nnew one\r\nnew two\r\ntail\r\nonly left\r\n");
    EXPECT_EQ(Read(rightPath), kRightText);
}

TEST_F(SavingTest, FillersNeverDrawnAreRemovedAndEmptyLinesOfTheFileKept) {
    const QByteArray left = "one\n\n\nfour\n";
    leftPath = Write("one/gaps.txt", left);
    rightPath = Write("two/gaps.txt", "zero\none\n\n\ntwo\nthree\nfour\n");
    Start({leftPath, rightPath});
    window->sides[kLeft].marks->Clear(); // nothing was ever drawn, so no colour tells the fillers
    window->sides[kLeft].modified = true;
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), left);
}

TEST_F(SavingTest, AShorterSideCutsTheFileShort) {
    StartPair();
    const int first = RowOf(window->sides[kRight].pane, "new one");
    DeleteRowFromBoth(first);
    DeleteRowFromBoth(first);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(rightPath), "head\nkeep \xc3\xa9t\xc3\xa9\ntail\n");
    EXPECT_EQ(Read(leftPath), kLeftText);
}

TEST_F(SavingTest, ClosingTheWindowAsksAndSavesToo) {
    StartPair();
    CopyToLeft(RowOf(window->sides[kRight].pane, "new one"),
               RowOf(window->sides[kRight].pane, "new two"));
    window->close();
    answers = {1};
    window.reset();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Save changes ?");
    EXPECT_EQ(Read(leftPath).toStdString(),
              "head\r\nkeep \xe9t\xe9\r\nnew one\r\nnew two\r\ntail\r\nonly left\r\n");
}

TEST_F(SavingTest, NoLeavesTheFileAsItWasAndTheEditIsGone) {
    StartPair();
    CopyToLeft(RowOf(window->sides[kRight].pane, "new one"),
               RowOf(window->sides[kRight].pane, "new two"));
    answers = {2};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(Read(leftPath), kLeftText);
    EXPECT_EQ(RowOf(window->sides[kLeft].pane, "new one"), -1);
}

TEST_F(SavingTest, AFileThatCannotBeWrittenIsReportedAndTheOtherSideIsStillSaved) {
    StartPair();
    CopyToLeft(RowOf(window->sides[kRight].pane, "new one"),
               RowOf(window->sides[kRight].pane, "new two"));
    window->sides[kRight].modified = true;
    // The left file's folder is gone, so its new content has nowhere to go; the file's going
    // is a change on disk, so overwriting is asked first.
    QDir(QFileInfo(leftPath).path()).removeRecursively();
    answers = {1, 1, 1};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_TRUE(questions[1].contains("changed on disk"));
    EXPECT_TRUE(questions[2].contains(leftPath)) << questions[2].toStdString();
    EXPECT_TRUE(questions[2].contains("could not be saved"));
    EXPECT_EQ(Read(rightPath), kRightText);
}

// The pane of a file that is there but cannot be read is empty: saving it would wipe the file.
TEST_F(SavingTest, AFileThatCouldNotBeReadIsNeverWrittenOver) {
    rightPath = Write("two/pair.txt", kRightText);
    leftPath = QFileInfo(rightPath).path() + "/../one/pair.txt";
    ASSERT_TRUE(QDir().mkpath(leftPath)); // there, but nothing a pane can read
    Start({leftPath, rightPath});
    ASSERT_TRUE(window->alignedText);
    CopyToLeft(0, 1);
    answers = {1, 1};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[1].contains(leftPath)) << questions[1].toStdString();
    EXPECT_TRUE(questions[1].contains("could not be read"));
    EXPECT_TRUE(QFileInfo(leftPath).isDir());
    EXPECT_EQ(Read(rightPath), kRightText);
}

TEST_F(SavingTest, NothingIsAskedWhenNoSideWasEditedOrNoComparisonIsOnShow) {
    StartPair();
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    window->sides[kLeft].modified = true;
    window->alignedText = false; // a file was loaded since
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Read(leftPath), kLeftText);
}

} // namespace
} // namespace tandem
