// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys, pressed in a pane as a user does: moving between differences, undoing
// block edits, saving the edited sides at once, and the panes' own keys left alone.
#include "editingfixture.h"

#include <QMimeData>
#include <QUrl>

namespace tandem {
namespace {

class KeysTest : public PairEditingTest {
protected:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->sides[kLeft].pane, key, modifiers);
    }
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
    EXPECT_EQ(Read(rightPath), kRightText);
}

TEST_F(KeysTest, UndoBringsBackEachRowsOwnLineEnd) {
    const QString left = Write("mixed/ends.txt", "s0\r\nold\r\ns2\n");
    const QString right = Write("other/ends.txt", "s0\nnew one\rs2\n");
    Start({left, right});
    ASSERT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"});
    const std::vector<RowFormat> before = window->sides[kRight].pane->RowFormats();
    Copy(window->sides[kLeft].pane, 1);
    window->sides[kLeft].pane->setFocus();
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->sides[kRight].pane->RowFormats(), before);
    Delete(window->sides[kLeft].pane, 1); // an edit of the left side only
    answers = {1};
    Recompare(*window);
    EXPECT_EQ(Read(right), "s0\nnew one\rs2\n");
    EXPECT_EQ(Read(left), "s0\r\ns2\n");
}

TEST_F(KeysTest, SaveKeyWritesTheEditedSideAtOnceAndComparesAgain) {
    StartPair();
    Press(Qt::Key_S, Qt::ControlModifier); // nothing edited: nothing written, nothing asked
    EXPECT_EQ(Read(rightPath), kRightText);
    Copy(window->sides[kLeft].pane, 8);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Read(rightPath),
              Lines({"s0", "s1", "s2", "s6", "s7", "value eight = 1", "value nine = 1", "s10"}));
    EXPECT_EQ(Read(leftPath), kLeftText);
    EXPECT_EQ(Blocks(), std::vector<std::string>{"3,5,l"});
    EXPECT_FALSE(window->sides[kRight].modified);
}

} // namespace
} // namespace tandem

namespace tandem {
namespace {

class DropTest : public EditingTest {
protected:
    // Drags the files over the pane and lets go, as a file manager does.
    bool DropOn(TextPane* pane, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane->viewport(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pane->viewport(), &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    }
};

TEST_F(DropTest, AFileDroppedOnAPaneOpensOnThatSide) {
    Start({Write("a/notes.txt", "one\nthree\n"), Write("b/notes.txt", "one\nthree\n")});
    const QString other = Write("c/notes.txt", "one\ntwo\nthree\n");
    ASSERT_TRUE(DropOn(window->sides[kRight].pane, {other}));
    EXPECT_EQ(window->sides[kRight].fileName, other);
    // The same name as the left file: compared at once.
    EXPECT_EQ(Blocks(), std::vector<std::string>{"1,1,r"});
}

TEST_F(DropTest, TwoFilesDroppedTogetherOpenAsLeftAndRight) {
    Start({});
    const QString left = Write("x/pair.txt", "same\nold words\nend\n");
    const QString right = Write("y/pair.txt", "same\nold word\nend\n");
    ASSERT_TRUE(DropOn(window->sides[kRight].pane, {left, right}));
    EXPECT_EQ(window->sides[kLeft].fileName, left);
    EXPECT_EQ(window->sides[kRight].fileName, right);
    EXPECT_EQ(window->sides[kLeft].pane->LineText(0), "same");
    EXPECT_EQ(Blocks(), std::vector<std::string>{"1,1,lr"}); // and compared
}

TEST_F(DropTest, TextThatIsNoFileIsNotTaken) {
    Start({});
    QMimeData data;
    data.setText(QStringLiteral("just words"));
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->sides[kLeft].pane->viewport(), &enter);
    EXPECT_TRUE(window->sides[kLeft].fileName.isEmpty());
}

} // namespace
} // namespace tandem
