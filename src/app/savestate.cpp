// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving a file pair: the options, the pair's record and the recent lists are saved, and each
// side edited since the comparison is written back without the comparison's filler lines once
// the user agrees. A write replaces the file only when complete; a failure is told to the user.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/pairkey.h"
#include "settings/settingnames.h"
#include "toolkit/fields.h"
#include "toolkit/textpane.h"

#include <QComboBox>
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
    store.WriteString(settings::kLeftFile, window.leftFileName.toStdString());
    store.WriteString(settings::kRightFile, window.rightFileName.toStdString());
    const std::string key = PairKey(window.leftFileName, window.rightFileName);
    const TextPane& pane = *window.leftPane;
    const std::string record = NumberToText(pane.verticalScrollBar()->value()) + "," +
                               NumberToText(pane.horizontalScrollBar()->value()) + "," +
                               NumberToText(window.currentDifference);
    store.WriteString(key, record);
    store.WriteString(key + settings::kPairDepthSuffix, NumberToText(window.depth));
    store.WriteString(key + settings::kPairLookupSuffix, NumberToText(window.lookup));
    SaveRecentList(window, window.leftRecent, settings::kLeftList);
    SaveRecentList(window, window.rightRecent, settings::kRightList);
}

void SaveSide(MainWindow& window, TextPane& pane, const QString& path, bool unreadable) {
    if (unreadable) {
        TellUser(QStringLiteral("The file %1 was not saved: it could not be read when it was "
                                "opened, so the window does not hold its text. It was left as "
                                "it was.")
                     .arg(path));
        return;
    }
    StripFillerLines(window, pane);
    QString reason;
    if (!pane.WriteFile(path, &reason))
        TellUser(QStringLiteral("The file %1 could not be saved: %2. It was left as it was.")
                     .arg(path, reason));
}

} // namespace

void StripFillerLines(MainWindow& window, TextPane& pane) {
    FillerRows& fillers = &pane == window.leftPane ? window.leftFillers : window.rightFillers;
    for (const auto& [first, last] : fillers.RunsFromBottom())
        pane.DeleteLines(first, last);
    fillers.Clear();
}

void SaveState(MainWindow& window) {
    SaveOptions(window);
    if (!window.alignedText)
        return;
    SavePairRecord(window);
    if (!window.leftModified && !window.rightModified)
        return;
    if (!AskYesNo(QStringLiteral("Save changes ?")))
        return;
    if (window.leftModified)
        SaveSide(window, *window.leftPane, window.leftFileName, window.leftUnreadable);
    if (window.rightModified)
        SaveSide(window, *window.rightPane, window.rightFileName, window.rightUnreadable);
}

} // namespace tandem
