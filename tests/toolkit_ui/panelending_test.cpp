// SPDX-License-Identifier: GPL-3.0-or-later
// A pane's text read on another thread without a copy, and formatting by the program, which must
// never go through the selection (on X11 a selection is also handed to the system).
#include "toolkit/textpane.h"

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace tandem {
namespace {

using namespace std::chrono_literals;

// A reader that goes on reading the lent text until it is asked to stop, then reads it once more,
// as a comparison does with the rows it has aligned, and returns the loan.
class SlowReader {
public:
    SlowReader(TextPane& pane, std::string_view expected)
        : loan_(pane.LendText(stop_)), expected_(expected), thread_([this] {
              for (int waited = 0; !stop_ && waited < kPatience; ++waited)
                  std::this_thread::sleep_for(1ms);
              std::this_thread::sleep_for(50ms); // the lender must wait through this
              sawLentText_ = std::string(loan_->Text()) == expected_;
              loan_->Return();
          }) {}
    ~SlowReader() {
        if (thread_.joinable())
            thread_.join();
    }
    bool SawLentText() {
        if (thread_.joinable())
            thread_.join();
        return sawLentText_;
    }
    const TextLoan& Loan() const { return *loan_; }

private:
    // Milliseconds a reader waits to be stopped: a lender that never asks fails rather than hangs.
    static constexpr int kPatience = 5000;
    std::atomic<bool> stop_{false};
    std::shared_ptr<TextLoan> loan_;
    std::string expected_;
    bool sawLentText_ = false;
    std::thread thread_;
};

TEST(PaneLendingTest, TheLentTextIsThePanesOwnAndStaysUntilTheReaderIsDone) {
    TextPane pane;
    pane.SetWholeText("alpha\nbeta");
    const unsigned long changesBefore = pane.TextChanges();
    SlowReader reader(pane, "alpha\nbeta");
    EXPECT_EQ(reader.Loan().Text(), "alpha\nbeta");
    EXPECT_FALSE(reader.Loan().Returned());
    // Formatting and reading leave the text where it is: the loan stands.
    CharFormat red;
    red.mask = CharFormat::Background;
    red.autoBackground = false;
    red.background = Qt::red;
    pane.FormatRange(0, 5, red);
    EXPECT_EQ(pane.LineText(1), "beta");
    EXPECT_FALSE(reader.Loan().Returned());
    EXPECT_EQ(pane.TextChanges(), changesBefore);

    // A new text waits for the reader, which saw the old one to the end.
    pane.SetWholeText("gamma");
    EXPECT_TRUE(reader.Loan().Returned());
    EXPECT_TRUE(reader.SawLentText());
    EXPECT_EQ(pane.WholeText(), "gamma");
    EXPECT_NE(pane.TextChanges(), changesBefore);
}

TEST(PaneLendingTest, EveryEditAndTheEndOfThePaneWaitForTheReader) {
    const auto lent = [](const std::function<void(TextPane&)>& change) {
        auto pane = std::make_unique<TextPane>();
        pane->SetWholeText("one\ntwo\nthree");
        SlowReader reader(*pane, "one\ntwo\nthree");
        change(*pane);
        pane.reset();
        EXPECT_TRUE(reader.Loan().Returned());
        return reader.SawLentText();
    };
    EXPECT_TRUE(lent([](TextPane& pane) { pane.ReplaceLine(1, "TWO"); }));
    EXPECT_TRUE(lent([](TextPane& pane) { pane.DeleteLines(0, 0); }));
    EXPECT_TRUE(lent([](TextPane& pane) {
        pane.SetSelection(0, 3);
        pane.ReplaceSelection("ONE");
    }));
    EXPECT_TRUE(lent([](TextPane& pane) { pane.SetStyledText(pane.StyledText()); }));
    EXPECT_TRUE(lent([](TextPane&) {})); // the pane freed with the loan standing
}

TEST(PaneLendingTest, AReturnedLoanLetsThePaneChangeAtOnce) {
    TextPane pane;
    pane.SetWholeText("kept");
    std::atomic<bool> stop{false};
    const std::shared_ptr<TextLoan> loan = pane.LendText(stop);
    loan->Return();
    pane.SetWholeText("changed");
    EXPECT_FALSE(stop); // no reader to stop
    EXPECT_EQ(pane.WholeText(), "changed");
}

class ProgramFormattingTest : public ::testing::Test {
protected:
    ProgramFormattingTest() {
        pane.resize(300, 200);
        pane.SetWholeText("first line\nsecond line\nthird line");
        pane.show();
    }
    CharFormat FormatAt(int position) {
        pane.SetSelection(position, position + 1);
        return pane.SelectionFormat();
    }

    TextPane pane;
};

TEST_F(ProgramFormattingTest, FormattingARangeLeavesTheSelectionAndTheSystemsSelectionAlone) {
    pane.SetSelection(13, 15);
    QSignalSpy selections(&pane, &QsciScintillaBase::QSCN_SELCHANGED);
    CharFormat blue;
    blue.mask = CharFormat::Background | CharFormat::TextColour;
    blue.autoBackground = blue.autoText = false;
    blue.background = Qt::blue;
    blue.text = Qt::white;
    pane.FormatRange(0, 10, blue);
    pane.FormatRange(40, 28, blue); // backwards and past the end: the third line
    EXPECT_EQ(selections.count(), 0);
    EXPECT_EQ(pane.SelectionStart(), 13);
    EXPECT_EQ(pane.SelectionEnd(), 15);

    EXPECT_EQ(FormatAt(0).background, QColor(Qt::blue));
    EXPECT_EQ(FormatAt(9).background, QColor(Qt::blue));
    EXPECT_TRUE(FormatAt(10).autoBackground); // the line end is outside the range
    EXPECT_TRUE(FormatAt(20).autoBackground);
    EXPECT_EQ(FormatAt(28).background, QColor(Qt::blue));
    EXPECT_EQ(FormatAt(int(pane.TextLength()) - 1).background, QColor(Qt::blue));
}

TEST_F(ProgramFormattingTest, MovingTheCaretSelectsNothingOnTheWay) {
    pane.SetSelection(0, 0);
    QSignalSpy selections(&pane, &QsciScintillaBase::QSCN_SELCHANGED);
    pane.SetSelection(25, 25);
    pane.SetSelection(3, 3);
    for (const QList<QVariant>& change : selections)
        EXPECT_FALSE(change.at(0).toBool());
    EXPECT_EQ(pane.SelectionStart(), 3);
    EXPECT_EQ(pane.SelectionEnd(), 3);
    // A real selection is announced as itself only.
    pane.SetSelection(12, 18);
    EXPECT_EQ(pane.SelectionStart(), 12);
    EXPECT_EQ(pane.SelectionEnd(), 18);
    EXPECT_EQ(pane.SendScintilla(QsciScintillaBase::SCI_GETANCHOR), 12);
    EXPECT_EQ(pane.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS), 18);
}

TEST_F(ProgramFormattingTest, ApplyingAFormatStillTakesTheSelectedCharacters) {
    CharFormat green;
    green.mask = CharFormat::Background;
    green.autoBackground = false;
    green.background = Qt::green;
    pane.SetSelection(11, 17);
    pane.ApplyFormat(green);
    EXPECT_TRUE(FormatAt(10).autoBackground);
    EXPECT_EQ(FormatAt(11).background, QColor(Qt::green));
    EXPECT_EQ(FormatAt(16).background, QColor(Qt::green));
    EXPECT_TRUE(FormatAt(17).autoBackground);
}

} // namespace
} // namespace tandem
