// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving a file pair: the options, the pair's record and the recent lists are saved, and each
// side edited since the comparison is written back without the comparison's filler lines once
// the user agrees. A write replaces the file only when complete; a failure is told to the user.
// A file another program changed since it was read, or a Latin-1 file that would have to become
// UTF-8, is written only when the user agrees to that too.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/pairkey.h"
#include "settings/settingnames.h"
#include "toolkit/fields.h"
#include "toolkit/textpane.h"

#include <QComboBox>
#include <QFileInfo>
#include <QScrollBar>

namespace tandem {

namespace {

void SaveRecentList(MainWindow& window, QComboBox* recent, const char* name) {
    if (recent->count() == 0)
        return;
    StringList items;
    for (int entry = 0; entry < recent->count(); ++entry)
        items.Add(recent->itemText(entry).toStdString());
    window.settings->WriteList(name, items);
}

void SavePairRecord(MainWindow& window) {
    SettingsStore& store = *window.settings;
    for (Side side : kEachSide)
        store.WriteString(settings::kFileNames[side], window.sides[side].fileName.toStdString());
    const std::string key = PairKey(window.sides[kLeft].fileName, window.sides[kRight].fileName);
    const TextPane& pane = *window.sides[kLeft].pane;
    const std::string record = NumberToText(pane.verticalScrollBar()->value()) + "," +
                               NumberToText(pane.horizontalScrollBar()->value()) + "," +
                               NumberToText(window.currentDifference);
    store.WriteString(key, record);
    store.WriteString(key + settings::kPairDepthSuffix, NumberToText(window.depth));
    store.WriteString(key + settings::kPairLookupSuffix, NumberToText(window.lookup));
    for (Side side : kEachSide)
        SaveRecentList(window, window.sides[side].recent, settings::kRecentLists[side]);
}

// The file no longer holds what the pane read from it (a file that was not there then is there
// now, or its bytes differ).
bool ChangedOnDisk(const TextPane& pane, const QString& path) {
    const FileStamp now = CurrentStamp(path);
    const FileStamp& read = pane.Stamp();
    if (read.size < 0)
        return QFileInfo::exists(path);
    return now.size != read.size || now.hash != read.hash;
}

void SaveSide(MainWindow& window, Side side) {
    PaneSide& held = window.sides[side];
    if (held.unreadable) {
        TellUser(QStringLiteral("The file %1 was not saved: it could not be read when it was "
                                "opened, so the window does not hold its text. It was left as "
                                "it was.")
                     .arg(held.fileName));
        return;
    }
    TextPane& pane = *held.pane;
    const bool asUtf8 = pane.HoldsUtf8Rows();
    if (asUtf8 && !AskYesNo(QStringLiteral("The file %1 is written in Latin-1, which cannot hold "
                                           "some of the characters copied into it. Write the "
                                           "whole file as UTF-8 ?")
                                .arg(held.fileName)))
        return;
    if (ChangedOnDisk(pane, held.fileName) &&
        !AskYesNo(QStringLiteral("The file %1 was changed on disk by another program since it "
                                 "was read. Overwrite it with the text of this window ?")
                      .arg(held.fileName)))
        return;
    StripFillerLines(window, side);
    QString reason;
    if (!pane.WriteFile(held.fileName, &reason, asUtf8))
        TellUser(QStringLiteral("The file %1 could not be saved: %2. It was left as it was.")
                     .arg(held.fileName, reason));
}

} // namespace

void StripFillerLines(MainWindow& window, Side side) {
    PaneSide& held = window.sides[side];
    for (const auto& [first, last] : held.fillers.RunsFromBottom())
        held.pane->DeleteLines(first, last);
    held.fillers.Clear();
}

void SaveState(MainWindow& window) {
    // What the panes held is being left: its edits can no longer be taken back.
    window.undoSteps.clear();
    SaveOptions(window);
    if (!window.alignedText)
        return;
    SavePairRecord(window);
    if (!window.sides[kLeft].modified && !window.sides[kRight].modified)
        return;
    if (!AskYesNo(QStringLiteral("Save changes ?")))
        return;
    for (Side side : kEachSide) {
        if (window.sides[side].modified)
            SaveSide(window, side);
    }
}

void SaveEditedSides(MainWindow& window) {
    if (window.busy || !window.alignedText ||
        (!window.sides[kLeft].modified && !window.sides[kRight].modified))
        return;
    SavePairRecord(window);
    for (Side side : kEachSide) {
        if (window.sides[side].modified)
            SaveSide(window, side);
        window.sides[side].modified = false;
    }
    // Saving took the filler rows out of the panes: the files are compared again as written.
    window.alignedText = false;
    LoadAndCompare(window, false);
}

} // namespace tandem
