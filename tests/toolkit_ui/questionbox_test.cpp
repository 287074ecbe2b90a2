// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/applicationcaption.h"
#include "toolkit/questionbox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace tandem {
namespace {

TEST(QuestionBoxRules, AnswerStringGivesPaddedCaptions) {
    EXPECT_EQ(AnswerCaptions("Yes/No"), (QStringList{"  Yes  ", "  No  "}));
    EXPECT_EQ(AnswerCaptions(""), (QStringList{"  OK  "}));
    EXPECT_EQ(AnswerCaptions("A/B/C").size(), 3);
}

TEST(QuestionBoxRules, TextFieldGrowsInStepsOfFourUpToTheLimit) {
    EXPECT_EQ(GrownHeight(20, 10, 500), 20);
    EXPECT_EQ(GrownHeight(20, 21, 500), 24);
    EXPECT_EQ(GrownHeight(20, 53, 500), 56);
    EXPECT_EQ(GrownHeight(20, 900, 101), 100);
}

class QuestionBoxTest : public ::testing::Test {
protected:
    QuestionBoxTest() : box("Save changes ?", "Yes/No") {
        box.show();
        box.activateWindow();
    }
    // The program names itself before any box is built.
    struct Caption {
        Caption() { SetApplicationCaption("Tandemview"); }
    } caption;
    QuestionBox box;
};

TEST_F(QuestionBoxTest, ShowsTheTextAndCentredButtonsWithTheFirstFocused) {
    EXPECT_EQ(box.windowTitle(), "Tandemview");
    EXPECT_EQ(box.TextField()->toPlainText(), "Save changes ?");
    EXPECT_EQ(box.TextField()->width(), 278);
    EXPECT_EQ(box.width(), 300);
    EXPECT_TRUE(box.TextField()->isReadOnly());
    ASSERT_EQ(box.Buttons().size(), 2);
    EXPECT_EQ(box.Buttons()[0]->text(), "  Yes  ");
    EXPECT_EQ(box.Buttons()[1]->text(), "  No  ");
    EXPECT_EQ(box.focusWidget(), box.Buttons()[0]);
    const int left = box.Buttons()[0]->geometry().left();
    const int right = box.width() - 1 - box.Buttons()[1]->geometry().right();
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_EQ(box.minimumSize(), box.maximumSize()); // cannot be resized
}

TEST_F(QuestionBoxTest, EnterPressesTheFocusedButton) {
    QTest::keyClick(box.Buttons()[0], Qt::Key_Return);
    EXPECT_EQ(box.result(), 1);

    QuestionBox second("Again ?", "Yes/No");
    second.show();
    second.Buttons()[1]->setFocus();
    QTest::keyClick(second.Buttons()[1], Qt::Key_Return);
    EXPECT_EQ(second.result(), 2);
}

TEST_F(QuestionBoxTest, EscapeOrClosingGivesMinusOne) {
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_EQ(box.result(), -1);

    QuestionBox second("Close me", "");
    second.show();
    second.close();
    EXPECT_EQ(second.result(), -1);
}

TEST_F(QuestionBoxTest, ClickingAButtonGivesItsNumber) {
    QTest::mouseClick(box.Buttons()[1], Qt::LeftButton);
    EXPECT_EQ(box.result(), 2);
}

TEST(QuestionBoxGrowth, LongTextMakesTheBoxTaller) {
    QuestionBox shortBox("Short", "");
    QuestionBox longBox(QString("A long question. ").repeated(40), "");
    EXPECT_GT(longBox.TextField()->height(), shortBox.TextField()->height());
    EXPECT_EQ((longBox.TextField()->height() - shortBox.TextField()->height()) % 4, 0);
    EXPECT_GT(longBox.height(), shortBox.height());
}

TEST(QuestionBoxAsk, CustomisingHookRunsBeforeTheAnswerIsTaken) {
    int seenHeight = 0;
    QuestionBox::SetAnswerHook([&](QuestionBox& box) {
        seenHeight = box.height();
        QTest::keyClick(box.Buttons()[0], Qt::Key_Return); // what a person pressing Enter does
        return box.result();
    });
    const int answer = QuestionBox::Ask("Compare anyway ?", "Yes/No",
                                        [](QuestionBox& box) { box.SetClientHeight(100); });
    QuestionBox::SetAnswerHook({});
    EXPECT_EQ(seenHeight, 100);
    EXPECT_EQ(answer, 1);
}

} // namespace
} // namespace tandem
