// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/questionbox.h"

#include "toolkit/applicationcaption.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace tandem {

namespace {

// The box's fixed client width and the text field's width inside it.
constexpr int kBoxWidth = 300;
constexpr int kTextWidth = 278;
constexpr int kTextTop = 8;
// The text field starts at this height and grows by kGrowStep until the text fits.
constexpr int kTextStartHeight = 20;
constexpr int kGrowStep = 4;
// Gaps between the text field, the button row and the bottom edge.
constexpr int kGap = 8;
constexpr int kButtonHeight = 25;
constexpr int kButtonSpacing = 8;
// A button is at least this wide, else as wide as its caption plus the padding.
constexpr int kMinButtonWidth = 60;
constexpr int kButtonPadding = 16;
const char* const kPadding = "  ";

QuestionBox::AnswerHook& StoredAnswerHook() {
    static QuestionBox::AnswerHook hook;
    return hook;
}

} // namespace

QStringList AnswerCaptions(const QString& answers) {
    const QStringList parts =
        answers.isEmpty() ? QStringList{QStringLiteral("OK")} : answers.split(QLatin1Char('/'));
    QStringList captions;
    for (const QString& part : parts)
        captions << QLatin1String(kPadding) + part + QLatin1String(kPadding);
    return captions;
}

int GrownHeight(int start, int needed, int limit) {
    int height = start;
    while (height < needed && height + kGrowStep <= limit)
        height += kGrowStep;
    return height;
}

int QuestionBox::Ask(const QString& text, const QString& answers, const Customise& customise,
                     QWidget* parent) {
    QuestionBox box(text, answers, parent);
    if (customise)
        customise(box);
    if (StoredAnswerHook())
        return StoredAnswerHook()(box);
    return box.exec();
}

void QuestionBox::SetAnswerHook(AnswerHook hook) {
    StoredAnswerHook() = std::move(hook);
}

QuestionBox::QuestionBox(const QString& text, const QString& answers, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      text_(new QTextEdit(this)) {
    setWindowTitle(ApplicationCaption());
    setModal(true);
    text_->setReadOnly(true);
    text_->setPlainText(text);
    text_->setFocusPolicy(Qt::NoFocus);
    const QStringList captions = AnswerCaptions(answers);
    for (int index = 0; index < captions.size(); ++index) {
        auto* button = new QPushButton(captions[index], this);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, index] { done(index + 1); });
        buttons_ << button;
    }
    FitToText();
    buttons_.first()->setDefault(true);
    buttons_.first()->setFocus();
}

void QuestionBox::reject() {
    done(-1);
}

int QuestionBox::ButtonRowHeight() const {
    return kGap + kButtonHeight + kGap;
}

void QuestionBox::FitToText() {
    text_->setFixedWidth(kTextWidth);
    const int frame = 2 * text_->frameWidth();
    text_->document()->setTextWidth(kTextWidth - frame);
    const int needed = int(text_->document()->size().height()) + frame;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : needed;
    const QMargins margins = contentsMargins();
    const int limit =
        screenHeight - kTextTop - ButtonRowHeight() - margins.top() - margins.bottom();
    text_->setFixedHeight(GrownHeight(kTextStartHeight, needed, limit));
    SetClientHeight(kTextTop + text_->height() + ButtonRowHeight());
}

void QuestionBox::SetClientHeight(int height) {
    const QMargins margins = contentsMargins();
    setFixedSize(kBoxWidth + margins.left() + margins.right(),
                 height + margins.top() + margins.bottom());
    Arrange();
}

void QuestionBox::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Arrange();
}

void QuestionBox::Arrange() {
    const QRect client = contentsRect();
    const int buttonTop = client.bottom() + 1 - kGap - kButtonHeight;
    const int textHeight = std::max(0, buttonTop - kGap - client.top() - kTextTop);
    const int textWidth = std::min(kTextWidth, client.width() - (kBoxWidth - kTextWidth));
    text_->setFixedSize(std::max(0, textWidth), textHeight);
    text_->move(client.left() + (client.width() - textWidth) / 2, client.top() + kTextTop);

    int rowWidth = -kButtonSpacing;
    QList<int> widths;
    for (QPushButton* button : buttons_) {
        widths << std::max(kMinButtonWidth,
                           button->fontMetrics().horizontalAdvance(button->text()) +
                               kButtonPadding);
        rowWidth += widths.last() + kButtonSpacing;
    }
    int left = client.left() + (client.width() - rowWidth) / 2;
    for (int index = 0; index < buttons_.size(); ++index) {
        buttons_[index]->setGeometry(left, buttonTop, widths[index], kButtonHeight);
        left += widths[index] + kButtonSpacing;
    }
}

} // namespace tandem
