// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys, pressed in a pane as a user does: moving between differences, undoing
// block edits, saving the edited sides at once, and the panes' own keys left alone.
#include "editingfixture.h"

namespace tandem {
namespace {

// Rows 3..5 exist on the left only; rows 8 and 9 differ; row 10 is common again.
const QByteArray kLeftLines = Lines({"s0", "s1", "s2", "only left a", "only left b", "only left c",
                                     "s6", "s7", "value eight = 1", "value nine = 1", "s10"});
const QByteArray kRightLines =
    Lines({"s0", "s1", "s2", "s6", "s7", "value eight = 2", "value nine = 2", "s10"});

class KeysTest : public EditingTest {
protected:
    void StartPair() {
        leftPath = Write("left/pair.txt", kLeftLines);
        rightPath = Write("right/pair.txt", kRightLines);
        Start({leftPath, rightPath});
        ASSERT_EQ(Blocks(), (std::vector<std::string>{"3,5,l", "8,9,lr"}));
        window->sides[kLeft].pane->setFocus();
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->sides[kLeft].pane, key, modifiers);
    }
    QString leftPath;
    QString rightPath;
};

TEST_F(KeysTest, DifferenceKeysMoveBetweenBlocks) {
    StartPair();
    EXPECT_EQ(Status(4), "Pos: 1");
    Press(Qt::Key_F8);
    EXPECT_EQ(Status(4), "Pos: 2");
    Press(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(Status(4), "Pos: 1");
    Press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(Status(4), "Pos: 2");
    Press(Qt::Key_F7);
    EXPECT_EQ(Status(4), "Pos: 1");
    Press(Qt::Key_End, Qt::AltModifier);
    EXPECT_EQ(Status(4), "Pos: 2");
    Press(Qt::Key_Home, Qt::AltModifier);
    EXPECT_EQ(Status(4), "Pos: 1");
}

TEST_F(KeysTest, ThePanesOwnKeysKeepTheirMeaning) {
    StartPair();
    Press(Qt::Key_Down);
    EXPECT_EQ(Status(4), "Pos: 1"); // an arrow scrolls, it does not move between differences
    EXPECT_EQ(window->sides[kLeft].pane->FirstVisibleLine(),
              window->sides[kRight].pane->FirstVisibleLine());
}

TEST_F(KeysTest, UndoTakesBackEachBlockEditInTurn) {
    StartPair();
    const std::vector<std::string> leftBefore = Rows(window->sides[kLeft].pane);
    const std::vector<std::string> rightBefore = Rows(window->sides[kRight].pane);
    Copy(window->sides[kLeft].pane, 8);
    const std::vector<std::string> rightAfterCopy = Rows(window->sides[kRight].pane);
    Delete(window->sides[kLeft].pane, 4);
    ASSERT_NE(Rows(window->sides[kLeft].pane), leftBefore);
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rows(window->sides[kRight].pane), rightAfterCopy);
    EXPECT_EQ(Rows(window->sides[kLeft].pane), leftBefore);
    EXPECT_EQ(Blocks(), std::vector<std::string>{"3,5,l"});
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rows(window->sides[kRight].pane), rightBefore);
    EXPECT_EQ(Blocks(), (std::vector<std::string>{"3,5,l", "8,9,lr"}));
    EXPECT_FALSE(window->sides[kLeft].modified);
    EXPECT_FALSE(window->sides[kRight].modified);
    Press(Qt::Key_Z, Qt::ControlModifier); // nothing more to take back
    EXPECT_EQ(Rows(window->sides[kLeft].pane), leftBefore);
    // Nothing is edited any more, so leaving the pair asks nothing and writes nothing.
    Recompare(*window);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Read(rightPath), kRightLines);
}

TEST_F(KeysTest, SaveKeyWritesTheEditedSideAtOnceAndComparesAgain) {
    StartPair();
    Press(Qt::Key_S, Qt::ControlModifier); // nothing edited: nothing written, nothing asked
    EXPECT_EQ(Read(rightPath), kRightLines);
    Copy(window->sides[kLeft].pane, 8);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Read(rightPath),
              Lines({"s0", "s1", "s2", "s6", "s7", "value eight = 1", "value nine = 1", "s10"}));
    EXPECT_EQ(Read(leftPath), kLeftLines);
    EXPECT_EQ(Blocks(), std::vector<std::string>{"3,5,l"});
    EXPECT_FALSE(window->sides[kRight].modified);
}

} // namespace
} // namespace tandem
