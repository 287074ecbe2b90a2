// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving an edited pair: "Save changes ?" and what ends up in the files.
#include "comparingfixture.h"

#include <QFile>

namespace tandem {
namespace {

// Left has CR LF line ends and a byte that is not UTF-8; right has two lines left lacks, and
// left has a last line right lacks.
const QByteArray kLeft = "head\r\nkeep \xe9t\xe9\r\ntail\r\nonly left\r\n";
const QByteArray kRight = "head\nkeep \xc3\xa9t\xc3\xa9\nnew one\nnew two\ntail\n";

class SavingTest : public ComparingTest {
protected:
    void StartPair() {
        leftPath = Write("one/pair.txt", kLeft);
        rightPath = Write("two/pair.txt", kRight);
        Start({leftPath, rightPath});
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
            window->leftPane->ReplaceLine(row, window->rightPane->LineText(row));
        window->leftFillers.Forget(first, last);
        window->leftModified = true;
    }
    // What Delete does when the facing row is a filler: the row goes from both panes.
    void DeleteRowFromBoth(int row) {
        window->leftPane->DeleteLines(row, row);
        window->rightPane->DeleteLines(row, row);
        window->leftFillers.RemoveRow(row);
        window->rightFillers.RemoveRow(row);
        window->rightModified = true;
    }

    QString leftPath;
    QString rightPath;
};

TEST_F(SavingTest, YesWritesExactlyTheSidesLinesWithItsOwnLineEndsAndBytes) {
    StartPair();
    const int first = RowOf(window->rightPane, "new one");
    ASSERT_GT(first, 0);
    ASSERT_EQ(window->leftPane->LineText(first), ""); // a filler faces it
    CopyToLeft(first, first + 1);
    answers = {1};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Save changes ?");
    EXPECT_EQ(Read(leftPath).toStdString(),
              "head\r\nkeep \xe9t\xe9\r\nnew one\r\nnew two\r\ntail\r\nonly left\r\n");
    EXPECT_EQ(Read(rightPath), kRight);
}

TEST_F(SavingTest, FillersNeverDrawnAreRemovedAndEmptyLinesOfTheFileKept) {
    const QByteArray left = "one\n\n\nfour\n";
    leftPath = Write("one/gaps.txt", left);
    rightPath = Write("two/gaps.txt", "zero\none\n\n\ntwo\nthree\nfour\n");
    Start({leftPath, rightPath});
    window->leftMarks->Clear(); // nothing was ever drawn, so no colour tells the fillers
    window->leftModified = true;
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), left);
}

TEST_F(SavingTest, AShorterSideCutsTheFileShort) {
    StartPair();
    const int first = RowOf(window->rightPane, "new one");
    DeleteRowFromBoth(first);
    DeleteRowFromBoth(first);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(rightPath), "head\nkeep \xc3\xa9t\xc3\xa9\ntail\n");
    EXPECT_EQ(Read(leftPath), kLeft);
}

TEST_F(SavingTest, ClosingTheWindowAsksAndSavesToo) {
    StartPair();
    CopyToLeft(RowOf(window->rightPane, "new one"), RowOf(window->rightPane, "new two"));
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
    CopyToLeft(RowOf(window->rightPane, "new one"), RowOf(window->rightPane, "new two"));
    answers = {2};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(Read(leftPath), kLeft);
    EXPECT_EQ(RowOf(window->leftPane, "new one"), -1);
}

TEST_F(SavingTest, AFileThatCannotBeWrittenIsReportedAndTheOtherSideIsStillSaved) {
    StartPair();
    CopyToLeft(RowOf(window->rightPane, "new one"), RowOf(window->rightPane, "new two"));
    window->rightModified = true;
    // The left file's folder is gone, so its new content has nowhere to go.
    QDir(QFileInfo(leftPath).path()).removeRecursively();
    answers = {1, 1};
    Recompare(*window);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[1].contains(leftPath)) << questions[1].toStdString();
    EXPECT_TRUE(questions[1].contains("could not be saved"));
    EXPECT_EQ(Read(rightPath), kRight);
}

// The pane of a file that is there but cannot be read is empty: saving it would wipe the file.
TEST_F(SavingTest, AFileThatCouldNotBeReadIsNeverWrittenOver) {
    rightPath = Write("two/pair.txt", kRight);
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
    EXPECT_EQ(Read(rightPath), kRight);
}

TEST_F(SavingTest, NothingIsAskedWhenNoSideWasEditedOrNoComparisonIsOnShow) {
    StartPair();
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    window->leftModified = true;
    window->alignedText = false; // a file was loaded since
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Read(leftPath), kLeft);
}

} // namespace
} // namespace tandem
