// SPDX-License-Identifier: GPL-3.0-or-later
// What Delete and Copy leave in the files once saved: no line left behind, each line with its
// own line end, and one encoding per file.
#include "editingfixture.h"

namespace tandem {
namespace {

class SavedBytesTest : public EditingTest {
protected:
    void StartFiles(const QByteArray& left, const QByteArray& right) {
        StartOn(left, right, QStringLiteral("left/file.txt"), QStringLiteral("right/file.txt"));
        ASSERT_TRUE(window->alignedText);
    }
    void SaveAnswering(std::vector<int> given) {
        answers = std::move(given);
        Recompare(*window);
    }
};

TEST_F(SavedBytesTest, DeletingBothSidesOfAChangedRowTakesTheLineOutOfBothFiles) {
    StartFiles(Lines({"s0", "s1", "value = 1", "s3"}), Lines({"s0", "s1", "value = 2", "s3"}));
    ASSERT_EQ(Blocks(), std::vector<std::string>{"2,2,lr"});
    Delete(window->sides[kLeft].pane, 2);
    ASSERT_EQ(Blocks(), std::vector<std::string>{"2,2,r"});
    Delete(window->sides[kRight].pane, 2);
    EXPECT_EQ(Rows(window->sides[kLeft].pane), (std::vector<std::string>{"s0", "s1", "s3"}));
    EXPECT_EQ(Rows(window->sides[kRight].pane), (std::vector<std::string>{"s0", "s1", "s3"}));
    SaveAnswering({1});
    EXPECT_EQ(Read(leftPath), Lines({"s0", "s1", "s3"}));
    EXPECT_EQ(Read(rightPath), Lines({"s0", "s1", "s3"}));
}

TEST_F(SavedBytesTest, DeletedLinesFacingBlankLinesLeaveOnlyTheirOwnFile) {
    const QByteArray right = Lines({"a", "", "", "b"});
    StartFiles(Lines({"a", "left one", "left two", "b"}), right);
    Delete(window->sides[kLeft].pane, 1);
    EXPECT_FALSE(window->sides[kRight].modified);
    SaveAnswering({1});
    EXPECT_EQ(Read(leftPath), Lines({"a", "b"}));
    EXPECT_EQ(Read(rightPath), right);
}

TEST_F(SavedBytesTest, UntouchedLinesKeepTheirOwnLineEndsAndCopiedLinesTakeTheRowsOne) {
    // Mostly CR LF; row 2 ends in LF, row 3 in a lone CR, and the right file has a line of its
    // own that lands on a filler row of the left.
    StartFiles("head\r\nsame one\r\nold two\nsame three\rsame four\r\ntail",
               "head\nsame one\nnew two\nsame three\nadded\nsame four\ntail");
    TextPane* right = window->sides[kRight].pane;
    for (int row = 0; row < right->LineCount(); ++row) {
        if (right->LineText(row) == "new two" || right->LineText(row) == "added")
            Copy(right, row);
    }
    SaveAnswering({1});
    EXPECT_EQ(Read(leftPath).toStdString(),
              "head\r\nsame one\r\nnew two\nsame three\radded\r\nsame four\r\ntail");
    EXPECT_EQ(Read(rightPath), "head\nsame one\nnew two\nsame three\nadded\nsame four\ntail");
}

TEST_F(SavedBytesTest, ALatin1FileBecomesUtf8OnlyWhenTheUserAgrees) {
    const QByteArray left = "menu\ncaf\xe9 = 1\nend\n";
    StartFiles(left, "menu\ncaf\xc3\xa9 = 1 \xe2\x82\xac\nend\n");
    Copy(window->sides[kRight].pane, 1);
    SaveAnswering({1, 2});
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(questions[1].contains(leftPath)) << questions[1].toStdString();
    EXPECT_TRUE(questions[1].contains("UTF-8"));
    EXPECT_EQ(Read(leftPath), left);

    Copy(window->sides[kRight].pane, 1);
    SaveAnswering({1, 1});
    EXPECT_EQ(Read(leftPath), "menu\ncaf\xc3\xa9 = 1 \xe2\x82\xac\nend\n");
}

TEST_F(SavedBytesTest, AUtf8FileKeepsItsByteOrderMark) {
    StartFiles("\xEF\xBB\xBFhead\nold\nend\n", "head\nnew\nend\n");
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"}); // the mark is no difference
    Copy(window->sides[kRight].pane, 1);
    SaveAnswering({1});
    EXPECT_EQ(Read(leftPath), "\xEF\xBB\xBFhead\nnew\nend\n");
}

} // namespace
} // namespace tandem
