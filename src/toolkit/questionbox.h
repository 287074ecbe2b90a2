// SPDX-License-Identifier: GPL-3.0-or-later
// The program's modal question: the text in a read-only field that grows to fit it, one button
// per answer, and the number of the answer chosen as result (-1 for Escape or closing).
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

class QPushButton;
class QTextEdit;

namespace tandem {

// Button captions of an answer string: split at "/", each padded with two spaces on both sides;
// an empty answer string gives one OK button.
QStringList AnswerCaptions(const QString& answers);

// Grows a height from start in steps of 4 until it reaches needed or would pass limit.
int GrownHeight(int start, int needed, int limit);

class QuestionBox : public QDialog {
    Q_OBJECT
public:
    using Customise = std::function<void(QuestionBox&)>;
    // Answers a box instead of a person (tests); runs where the box would be shown modally.
    using AnswerHook = std::function<int(QuestionBox&)>;

    // The customising hook runs once, after the box is built and before it is shown.
    static int Ask(const QString& text, const QString& answers, const Customise& customise = {},
                   QWidget* parent = nullptr);
    static void SetAnswerHook(AnswerHook hook);

    QuestionBox(const QString& text, const QString& answers, QWidget* parent = nullptr);

    // The height of the box's client area, keeping its width and the box unresizable.
    void SetClientHeight(int height);
    // Sizes the box to show the whole text (up to the screen's height) inside its current
    // margins; run again once a frame has taken its band.
    void FitToText();
    QTextEdit* TextField() const { return text_; }
    const QList<QPushButton*>& Buttons() const { return buttons_; }

    void reject() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int ButtonRowHeight() const;
    void Arrange();

    QTextEdit* text_;
    QList<QPushButton*> buttons_;
};

} // namespace tandem
