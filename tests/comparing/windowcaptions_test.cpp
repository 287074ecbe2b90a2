// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees of the program's windows: each title exactly its own caption, and nothing
// left on screen by the file-open dialog once it has closed.
#include "app/applicationsetup.h"
#include "comparingfixture.h"
#include "toolkit/applicationcaption.h"
#include "windows/aboutwindow.h"
#include "windows/progresswindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace tandem {
namespace {

using WindowCaptionsTest = ComparingTest;

TEST_F(WindowCaptionsTest, EveryWindowShowsExactlyItsOwnCaption) {
    SetUpApplication();
    // A display name would be shown after every window's caption by the window system.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(ApplicationCaption(), "Tandemview");
    Start({});
    EXPECT_EQ(window->windowTitle(), "Tandemview");
    EXPECT_EQ(window->openDialog->windowTitle(), "Select file to compare");
    EXPECT_EQ(QuestionBox("Save changes ?", "Yes/No").windowTitle(), "Tandemview");
    EXPECT_EQ(AboutWindow().windowTitle(), "About");
    EXPECT_EQ(ProgressWindow().windowTitle(), "Progr");
}

TEST_F(WindowCaptionsTest, TheOpenDialogLeavesNoCompletionListToSwallowTheNextClick) {
    const QString chosen = Write("pick/third.txt", "c\n");
    Write("pick/thirst.txt", "d\n");
    Start({Write("pick/first.txt", "a\n"), Write("pick/second.txt", "b\n")});
    QAbstractItemView* list = nullptr;
    QFileDialog* dialog = window->openDialog;
    ChooseInOpenDialog(chosen, [&](QFileDialog&) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name) {
            // The start of a name typed, and its completions asked for.
            name->setFocus();
            name->setText(QFileInfo(chosen).path() + "/thi");
            if (name->completer()) {
                name->completer()->setCompletionPrefix(name->text());
                name->completer()->complete();
                list = name->completer()->popup();
            }
        }
    });
    OpenFile(*window, kRight);
    QApplication::processEvents();
    EXPECT_EQ(window->sides[kRight].fileName, chosen);
    if (list) {
        EXPECT_FALSE(list->isVisible());
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->isVisible() && shown->windowType() == Qt::Popup)
            ADD_FAILURE() << "left on screen: " << shown->metaObject()->className();
    }
}

} // namespace
} // namespace tandem
