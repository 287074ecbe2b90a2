// SPDX-License-Identifier: GPL-3.0-or-later
// The window's keys: the difference commands, Recompare, the open commands, saving, undoing a
// block edit and quitting. The panes' own keys (arrows, Page Up/Down, Home, End) keep their use.
#include "app/commands.h"
#include "app/mainwindow.h"

#include <QKeyEvent>

namespace tandem {

namespace {

struct KeyCommand {
    QKeyCombination keys;
    void (*command)(MainWindow&);
};

const KeyCommand kKeyCommands[] = {
    {Qt::ALT | Qt::Key_Down, NextDifference},
    {QKeyCombination(Qt::Key_F8), NextDifference},
    {Qt::ALT | Qt::Key_Up, PreviousDifference},
    {QKeyCombination(Qt::Key_F7), PreviousDifference},
    {Qt::ALT | Qt::Key_Home, FirstDifference},
    {Qt::ALT | Qt::Key_End, LastDifference},
    {QKeyCombination(Qt::Key_F5), Recompare},
    {Qt::CTRL | Qt::Key_O, [](MainWindow& window) { OpenFile(window, kLeft); }},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_O, [](MainWindow& window) { OpenFile(window, kRight); }},
    {Qt::CTRL | Qt::Key_S, SaveEditedSides},
    {Qt::CTRL | Qt::Key_Z, UndoBlockEdit},
    {Qt::CTRL | Qt::Key_Q, ExitProgram},
};

const KeyCommand* CommandOf(const QKeyEvent& event) {
    // The keypad's own modifier is no part of the key the user means.
    const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
    for (const KeyCommand& entry : kKeyCommands) {
        if (entry.keys == pressed)
            return &entry;
    }
    return nullptr;
}

} // namespace

bool IsWindowKey(const QKeyEvent& event) {
    return CommandOf(event) != nullptr;
}

bool RunWindowKey(MainWindow& window, const QKeyEvent& event) {
    const KeyCommand* entry = CommandOf(event);
    if (!entry)
        return false;
    // While a comparison runs the toolbar is off, and so are its keys.
    if (!window.busy)
        entry->command(window);
    return true;
}

} // namespace tandem
