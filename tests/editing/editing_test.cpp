// SPDX-License-Identifier: GPL-3.0-or-later
// Copying and deleting blocks through the panes' popup menu, and saving the result.
#include "editingfixture.h"

namespace tandem {
namespace {

using BlockTest = PairEditingTest;

TEST_F(BlockTest, MenuIsOfferedOnlyOverABlockThePaneTakesPartIn) {
    StartPair();
    TextPane* left = window->sides[kLeft].pane;
    TextPane* right = window->sides[kRight].pane;
    Hover(left, 9);
    EXPECT_EQ(window->popupBlock, 1);
    EXPECT_EQ(window->popupPane, left);
    EXPECT_EQ(left->LineOf(left->SelectionStart()), 9); // the caret went under the mouse
    EXPECT_EQ(left->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->popupMenu->actions().at(0)->text(), "Copy to right");
    EXPECT_TRUE(RightClick(left, 9));
    window->popupMenu->hide();

    Hover(left, 1);
    EXPECT_EQ(Status(2), "Diffs: 2");
    EXPECT_EQ(Status(3), "Lines: 11");
    EXPECT_NE(left->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(RightClick(left, 1));

    // The right pane holds only fillers in rows 3..5.
    window->status->SetPart(2, QString());
    Hover(right, 4);
    EXPECT_EQ(Status(2), "Diffs: 2");
    EXPECT_EQ(window->popupPane, left);
    EXPECT_FALSE(RightClick(right, 4));
    EXPECT_EQ(window->popupMenu->actions().at(0)->text(), "Copy to left");
    Hover(right, 8);
    EXPECT_EQ(window->popupPane, right);
    EXPECT_TRUE(RightClick(right, 8));
    window->popupMenu->hide();

    window->stacked = true;
    Hover(right, 8);
    EXPECT_EQ(window->popupMenu->actions().at(0)->text(), "Copy up");
    Hover(left, 8);
    EXPECT_EQ(window->popupMenu->actions().at(0)->text(), "Copy down");
}

TEST_F(BlockTest, DeleteOverFillersTakesTheRowsOutOfBothPanesAndMovesTheRestUp) {
    StartPair();
    window->sides[kRight].marks->Add("9,255"); // a mark of a later row not yet drawn
    Delete(window->sides[kLeft].pane, 4);
    const std::vector<std::string> left = {
        "s0", "s1", "s2", "s6", "s7", "value eight = 1", "value nine = 1", "s10"};
    EXPECT_EQ(Rows(window->sides[kLeft].pane), left);
    EXPECT_EQ(Rows(window->sides[kRight].pane).size(), left.size());
    EXPECT_EQ(Blocks(), std::vector<std::string>{"5,6,lr"});
    EXPECT_EQ(window->sides[kRight].marks->Items(), std::vector<std::string>{"6,255"});
    EXPECT_TRUE(window->sides[kLeft].modified);
    EXPECT_FALSE(window->sides[kRight].modified);
}

TEST_F(BlockTest, DeleteFacingTextBlanksTheLinesAndLeavesTheOtherSidesBlock) {
    StartPair();
    Paint();
    Delete(window->sides[kLeft].pane, 8);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(8), "");
    EXPECT_EQ(window->sides[kLeft].pane->LineText(9), "");
    EXPECT_EQ(window->sides[kRight].pane->LineText(8), "value eight = 2");
    EXPECT_EQ(window->sides[kLeft].pane->LineCount(), 11);
    EXPECT_EQ(Blocks(), (std::vector<std::string>{"3,5,l", "8,9,r"}));
    EXPECT_TRUE(FormatOfRow(window->sides[kLeft].pane, 8).autoBackground);
    EXPECT_FALSE(FormatOfRow(window->sides[kRight].pane, 8).autoBackground);
    // The popup stays with the pane and acts on the record at its index.
    EXPECT_TRUE(RightClick(window->sides[kLeft].pane, 8));
    window->popupMenu->hide();
}

TEST_F(BlockTest, AFacingSingleBlankIsALineButABlankRunIsNot) {
    StartPair();
    window->sides[kRight].pane->ReplaceLine(4, " ");
    window->sides[kRight].pane->ReplaceLine(5, "   ");
    Delete(window->sides[kLeft].pane, 3);
    EXPECT_EQ(Rows(window->sides[kRight].pane),
              (std::vector<std::string>{"s0", "s1", "s2", " ", "s6", "s7", "value eight = 2",
                                        "value nine = 2", "s10"}));
    EXPECT_EQ(window->sides[kLeft].pane->LineText(3), "");
    EXPECT_EQ(window->sides[kLeft].pane->LineText(4), "s6");
    EXPECT_EQ(Blocks(), std::vector<std::string>{"6,7,lr"});
}

// The other side's real empty line faces the deleted line: it is part of that file and stays.
TEST_F(BlockTest, DeleteFacingABlankLineOfTheOtherFileKeepsThatLine) {
    leftPath = Write("left/gap.txt", Lines({"a", "only left", "b", "c"}));
    rightPath = Write("right/gap.txt", Lines({"a", "", "b", "c"}));
    Start({leftPath, rightPath});
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,l"});
    Delete(window->sides[kLeft].pane, 1);
    EXPECT_EQ(Rows(window->sides[kRight].pane), (std::vector<std::string>{"a", "", "b", "c"}));
    EXPECT_EQ(Rows(window->sides[kLeft].pane), (std::vector<std::string>{"a", "", "b", "c"}));
    window->sides[kRight].modified = true; // any later edit of the right side
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(rightPath), Lines({"a", "", "b", "c"}));
    // The deleted line itself is gone from its file.
    EXPECT_EQ(Read(leftPath), Lines({"a", "b", "c"}));
}

TEST_F(BlockTest, CopyWritesTheLinesOverTheOtherSideWithoutColours) {
    QByteArray left;
    QByteArray right;
    for (int line = 0; line < 20; ++line) {
        const QByteArray number = QByteArray::number(line);
        left += "line " + number + " = a\n";
        right += "line " + number + (line >= 10 && line <= 14 ? " = b\n" : " = a\n");
    }
    Start({Write("l/copy.txt", left), Write("r/copy.txt", right)});
    ASSERT_EQ(Blocks(), std::vector<std::string>{"10,14,lr"});
    Paint();
    ASSERT_FALSE(FormatOfRow(window->sides[kRight].pane, 12).autoBackground);
    Copy(window->sides[kLeft].pane, 12);
    for (int row = 10; row <= 14; ++row) {
        EXPECT_EQ(window->sides[kRight].pane->LineText(row),
                  window->sides[kLeft].pane->LineText(row));
        EXPECT_TRUE(FormatOfRow(window->sides[kRight].pane, row).autoBackground) << row;
        EXPECT_TRUE(FormatOfRow(window->sides[kLeft].pane, row).autoBackground) << row;
    }
    EXPECT_EQ(window->sides[kRight].pane->LineCount(), 20);
    EXPECT_TRUE(window->sides[kRight].modified);
    EXPECT_FALSE(window->sides[kLeft].modified);
    EXPECT_TRUE(Blocks().empty());
    EXPECT_TRUE(window->sides[kLeft].pane->isEnabled());
    EXPECT_FALSE(RightClick(window->sides[kLeft].pane, 12)); // Copy took the menu away
}

TEST_F(BlockTest, EditsInARowThenSaveGiveTheFilesAUserExpects) {
    // Right has two lines of its own after s1, left a line of its own after s6.
    leftPath = Write("left/seq.txt",
                     Lines({"s0", "s1", "s2", "s3", "value = 1", "s5", "s6", "left only", "s8"}));
    rightPath = Write("right/seq.txt", Lines({"s0", "s1", "right one", "right two", "s2", "s3",
                                              "value = 2", "s5", "s6", "s8"}));
    Start({leftPath, rightPath});
    ASSERT_EQ(Blocks(), (std::vector<std::string>{"2,3,r", "6,6,lr", "9,9,l"}));
    Copy(window->sides[kRight].pane, 2);   // left gets "right one", "right two" over its fillers
    Delete(window->sides[kRight].pane, 6); // right's "value = 2" becomes an empty line
    Delete(window->sides[kLeft].pane, 9);  // "left only" goes, with right's filler
    Copy(window->sides[kLeft].pane, 6);    // the left value over right's emptied line
    EXPECT_TRUE(Blocks().empty());
    answers = {1};
    Recompare(*window);
    ASSERT_EQ(questions, std::vector<QString>{"Save changes ?"});
    EXPECT_EQ(Read(leftPath), Lines({"s0", "s1", "right one", "right two", "s2", "s3", "value = 1",
                                     "s5", "s6", "s8"}));
    EXPECT_EQ(Read(rightPath), Lines({"s0", "s1", "right one", "right two", "s2", "s3", "value = 1",
                                      "s5", "s6", "s8"}));
}

TEST_F(BlockTest, CopiedLinesKeepTheirCharactersBetweenLatin1AndUtf8Files) {
    leftPath = Write("left/cafe.txt", "menu\ncaf\xe9 = 1\nend\n");       // not UTF-8
    rightPath = Write("right/cafe.txt", "menu\ncaf\xc3\xa9 = 2\nend\n"); // UTF-8
    Start({leftPath, rightPath});
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"});
    Copy(window->sides[kRight].pane, 1);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), "menu\ncaf\xe9 = 2\nend\n");
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"});
    Copy(window->sides[kLeft].pane, 1);
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(rightPath), "menu\ncaf\xc3\xa9 = 2\nend\n");
}

TEST_F(BlockTest, NoAnswerKeepsTheFilesAndAStaleIndexDoesNothing) {
    StartPair();
    Delete(window->sides[kLeft].pane, 4);
    window->popupBlock = 5;
    const std::vector<std::string> before = Rows(window->sides[kLeft].pane);
    DeleteBlock(*window);
    CopyBlock(*window);
    EXPECT_EQ(Rows(window->sides[kLeft].pane), before);
    answers = {2};
    Recompare(*window);
    EXPECT_EQ(Read(leftPath), kLeftText);
    EXPECT_EQ(Read(rightPath), kRightText);
}

} // namespace
} // namespace tandem
