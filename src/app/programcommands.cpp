// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own commands: Setup, About and Exit, the close request, the panes' standard
// font, and the yes/no question.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "toolkit/questionbox.h"
#include "toolkit/textpane.h"
#include "windows/aboutwindow.h"
#include "windows/roundedframe.h"

#include <QCloseEvent>
#include <memory>

namespace tandem {

namespace {

// The question box's client height and frame radius.
constexpr int kQuestionHeight = 100;
constexpr int kQuestionRadius = 10;

} // namespace

void ShowAbout(MainWindow&) {
    auto about = std::make_unique<AboutWindow>(Program().main);
    Program().about = about.get();
    AttachRoundedFrame(about.get());
    about->exec();
    about.reset();
    Program().about = nullptr;
}

void ExitProgram(MainWindow& window) {
    QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
}

void ReleaseResults(MainWindow& window, QCloseEvent*) {
    window.progressWindow.reset();
    for (PaneSide& side : window.sides)
        side.marks.reset();
    window.blocks.reset();
}

void ResetPaneFont(TextPane& pane) {
    CharFormat format;
    format.mask = CharFormat::Size | CharFormat::Face;
    format.points = TextPane::kStandardPoints;
    format.face = QString::fromLatin1(TextPane::kStandardFace);
    pane.FormatRange(0, pane.TextLength(), format);
}

namespace {

// The program's questions and messages wear the rounded frame and no caption bar.
void FrameQuestion(QuestionBox& box) {
    box.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    SetFrameRadius(AttachRoundedFrame(&box), kQuestionRadius);
}

} // namespace

bool AskYesNo(const QString& question) {
    const auto customise = [](QuestionBox& box) {
        FrameQuestion(box);
        // Sized after the frame took its band, so the question keeps room to be read.
        box.SetClientHeight(kQuestionHeight);
    };
    return QuestionBox::Ask(question, QStringLiteral("Yes/No"), customise, Program().main) == 1;
}

void TellUser(const QString& message) {
    const auto customise = [](QuestionBox& box) {
        FrameQuestion(box);
        // The frame's band came out of the text field: size the box to the whole text again.
        box.FitToText();
    };
    QuestionBox::Ask(message, QString(), customise, Program().main);
}

} // namespace tandem
