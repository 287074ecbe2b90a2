// SPDX-License-Identifier: GPL-3.0-or-later
// A main window started on files of a temporary folder, with settings of its own and every
// question answered by the test.
#pragma once

#include "app/commands.h"
#include "app/mainwindow.h"
#include "toolkit/questionbox.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tandem {

class ComparingTest : public ::testing::Test {
protected:
    ComparingTest() : previousConfig_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        SettingsStore::ForgetAll();
        QuestionBox::SetAnswerHook([this](QuestionBox& box) {
            questions.push_back(box.TextField()->toPlainText());
            if (answers.empty())
                return 2;
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    }
    ~ComparingTest() override {
        window.reset();
        QuestionBox::SetAnswerHook({});
        SettingsStore::ForgetAll();
        qputenv("XDG_CONFIG_HOME", previousConfig_);
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = files_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    void Start(const QStringList& files) {
        window.reset();
        window = BuildMainWindow(QStringList{"tandemview"} + files);
    }
    // Writes the pair, keeps its paths in leftPath and rightPath, and starts on it.
    void StartOn(const QByteArray& left, const QByteArray& right,
                 const QString& leftName = QStringLiteral("one/pair.txt"),
                 const QString& rightName = QStringLiteral("two/pair.txt")) {
        leftPath = Write(leftName, left);
        rightPath = Write(rightName, right);
        Start({leftPath, rightPath});
    }
    // What the user sees once the panes have painted.
    void Paint() {
        window->sides[kLeft].pane->viewport()->repaint();
        window->sides[kRight].pane->viewport()->repaint();
    }
    static CharFormat FormatOfRow(TextPane* pane, int row) {
        pane->SetSelectionLength(pane->LineStart(row), 0);
        return pane->SelectionFormat();
    }
    // Chooses `path` in the open dialog as the user does, once the dialog is on screen and
    // `prepare` (if given) has worked on it, and accepts it once the dialog itself holds that
    // choice: a timer that fired before the dialog showed would leave it waiting for an answer,
    // and a folder the dialog has only begun to read can leave it with another file than the one
    // selected. A dialog still open after ten seconds is rejected, failing the test rather than
    // hanging it.
    void ChooseInOpenDialog(const QString& path,
                            std::function<void(QFileDialog&)> prepare = nullptr) {
        QFileDialog* dialog = window->openDialog;
        auto* poll = new QTimer(dialog);
        poll->setInterval(1);
        auto selected = std::make_shared<bool>(false);
        QObject::connect(poll, &QTimer::timeout, dialog, [=] {
            if (!dialog->isVisible())
                return;
            if (!*selected) {
                if (prepare)
                    prepare(*dialog);
                dialog->selectFile(path);
                *selected = true;
                return;
            }
            if (QDir::cleanPath(dialog->selectedFiles().value(0)) != QDir::cleanPath(path))
                return;
            poll->stop();
            poll->deleteLater();
            static_cast<QDialog*>(dialog)->accept();
        });
        poll->start();
        QTimer::singleShot(10000, dialog, [dialog] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != dialog) {
                ADD_FAILURE() << "a window was left open: " << modal->windowTitle().toStdString();
                modal->close();
            }
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the open dialog was left open";
                dialog->reject();
            }
        });
    }
    QString Status(int part) const { return window->status->PartText(part); }
    std::vector<std::string> Blocks() const { return window->blocks->Items(); }
    // Files whose differences lie far apart: blocks at rows 50, 150 and 250.
    void StartFarApart(const QString& leftName = "far/left.txt",
                       const QString& rightName = "far/right.txt") {
        QByteArray left;
        QByteArray right;
        for (int line = 0; line < 300; ++line) {
            const QByteArray text = "common line " + QByteArray::number(line) + "\n";
            left += text;
            right += line % 100 == 50 ? "changed " + text : text;
        }
        Start({Write(leftName, left), Write(rightName, right)});
    }

    std::unique_ptr<MainWindow> window;
    QString leftPath;
    QString rightPath;
    std::vector<int> answers; // 1 Yes (or OK), 2 No; No once they run out
    std::vector<QString> questions;

private:
    QTemporaryDir config_;
    QTemporaryDir filesDir_;
    QDir files_{filesDir_.path()};
    QByteArray previousConfig_;
};

} // namespace tandem
