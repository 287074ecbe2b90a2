// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files and comparing them: the open commands, Recompare, the recent-file boxes, and
// LoadAndCompare at the centre of them, which reads both files again, takes over the pair's
// options, compares and brings back the difference that was current when the pair was left.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/pairkey.h"
#include "settings/settingnames.h"
#include "toolkit/fields.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QSignalBlocker>

namespace tandem {

namespace {

// A bare name is at most this many characters of the path's end.
constexpr int kBareNameLength = 64;
// The file-pair record's third field is the current difference.
constexpr int kRecordDifferenceField = 3;

struct Side {
    TextPane* pane;
    QString& fileName;
    ShadowLabel* caption;
    QComboBox* recent;
    FillerRows& fillers;
    bool& unreadable;
};

Side LeftSide(MainWindow& window) {
    return {window.leftPane,   window.leftFileName, window.leftCaption,
            window.leftRecent, window.leftFillers,  window.leftUnreadable};
}

Side RightSide(MainWindow& window) {
    return {window.rightPane,   window.rightFileName, window.rightCaption,
            window.rightRecent, window.rightFillers,  window.rightUnreadable};
}

// Adds the path unless the box holds it already, letter case aside. The program's own changes
// to a box are not the user's picks, so they reach no handler.
void AddRecent(QComboBox* recent, const QString& path) {
    // An empty entry would also end the stored list early when it is read back.
    if (path.isEmpty() || recent->findText(path, Qt::MatchFixedString) >= 0)
        return;
    const QSignalBlocker quiet(recent);
    const QString shown = recent->currentText();
    recent->addItem(path);
    recent->setEditText(shown);
}

void ShowInRecent(QComboBox* recent, const QString& path) {
    const QSignalBlocker quiet(recent);
    recent->setEditText(path);
}

void LoadSideFile(MainWindow& window, Side side, const QString& path) {
    SaveState(window);
    window.alignedText = false;
    side.pane->ScrollVertical(ScrollRequest::Top);
    // An unreadable file gives an empty pane; its name is taken over all the same. A file that
    // is there but could not be read is remembered, so the empty pane is never saved over it.
    side.unreadable = false;
    if (!side.pane->LoadFile(path)) {
        side.pane->SetFileText({});
        side.unreadable = !path.isEmpty() && QFileInfo::exists(path);
    }
    side.fillers.Clear();
    if (window.blocks)
        window.blocks->Clear();
    if (path == side.fileName)
        return;
    side.fileName = path;
    side.caption->setText(path);
    AddRecent(side.recent, path);
    ShowInRecent(side.recent, path);
}

void MergeStoredList(MainWindow& window, QComboBox* recent, const char* name) {
    if (const std::optional<StringList> stored = window.settings->ReadList(name)) {
        for (const std::string& item : stored->Items())
            AddRecent(recent, QString::fromStdString(item));
    }
}

void TakePairOptions(MainWindow& window, const std::string& key) {
    const std::string depth = window.settings->ReadString(key + settings::kPairDepthSuffix);
    if (!depth.empty()) {
        window.depth = TextToNumber(depth);
        window.status->SetPart(0, QStringLiteral("Depth: %1%").arg(window.depth));
    }
    const std::string lookup = window.settings->ReadString(key + settings::kPairLookupSuffix);
    if (!lookup.empty()) {
        window.lookup = TextToNumber(lookup);
        window.status->SetPart(1, QStringLiteral("Lookup: %1 lines").arg(window.lookup));
    }
}

bool ShouldCompare(const MainWindow& window) {
    if (SameBareName(window.leftFileName, window.rightFileName) || Program().setup)
        return true;
    return AskYesNo(QStringLiteral("The names of the files are different. Compare anyway ?"));
}

void RestoreDifference(MainWindow& window, const std::string& key) {
    window.leftPane->setFocus();
    const std::string record = window.settings->ReadString(key);
    if (!record.empty()) {
        const int index = TextToNumber(Field(record, ',', kRecordDifferenceField));
        SetCurrentDifference(window, index);
        if (index < window.blocks->Count()) {
            const std::string block = window.blocks->Item(index);
            // The second time places the markers against the panes as the first time left them.
            ShowDifference(window, block);
            ShowDifference(window, block);
        }
    }
    window.leftModified = false;
    window.rightModified = false;
}

void OpenSideFile(MainWindow& window, Side side) {
    window.openDialog->selectFile(side.fileName);
    if (window.openDialog->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = window.openDialog->selectedFiles();
    if (chosen.isEmpty())
        return;
    LoadSideFile(window, side, chosen.first());
    if (SameBareName(window.leftFileName, window.rightFileName))
        Recompare(window);
}

bool HasPairRecord(const MainWindow& window, const QString& left, const QString& right) {
    return !window.settings->ReadString(PairKey(left, right)).empty();
}

} // namespace

QString BareName(const QString& path) {
    const qsizetype cut =
        std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                  path.lastIndexOf(QLatin1Char(':'))});
    return path.mid(cut + 1).left(kBareNameLength);
}

bool SameBareName(const QString& left, const QString& right) {
    // Only a..z fold; other letters keep their case, as the stored pairs were matched.
    const auto fold = [](QString name) {
        for (QChar& c : name) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = QChar(c.unicode() - 'a' + 'A');
        }
        return name;
    };
    return fold(BareName(left)) == fold(BareName(right));
}

void LoadLeftFile(MainWindow& window, const QString& path) {
    LoadSideFile(window, LeftSide(window), path);
}

void LoadRightFile(MainWindow& window, const QString& path) {
    LoadSideFile(window, RightSide(window), path);
}

void OpenLeftFile(MainWindow& window) {
    OpenSideFile(window, LeftSide(window));
}

void OpenRightFile(MainWindow& window) {
    OpenSideFile(window, RightSide(window));
}

void Recompare(MainWindow& window) {
    window.leftPane->setEnabled(false);
    window.rightPane->setEnabled(false);
    SaveState(window);
    window.alignedText = false;
    LoadAndCompare(window);
    window.leftPane->setEnabled(true);
    window.rightPane->setEnabled(true);
    window.leftPane->setFocus();
}

void LoadAndCompare(MainWindow& window) {
    LoadLeftFile(window,
                 window.leftFileName.isEmpty()
                     ? QString::fromStdString(window.settings->ReadString(settings::kLeftFile))
                     : window.leftFileName);
    LoadRightFile(window,
                  window.rightFileName.isEmpty()
                      ? QString::fromStdString(window.settings->ReadString(settings::kRightFile))
                      : window.rightFileName);
    AddRecent(window.leftRecent, window.leftFileName);
    AddRecent(window.rightRecent, window.rightFileName);
    MergeStoredList(window, window.leftRecent, settings::kLeftList);
    MergeStoredList(window, window.rightRecent, settings::kRightList);
    const std::string key = PairKey(window.leftFileName, window.rightFileName);
    TakePairOptions(window, key);
    if (ShouldCompare(window))
        RunComparison(window);
    if (window.blocks)
        RestoreDifference(window, key);
}

void PickLeftRecentFile(MainWindow& window) {
    const QString picked = window.leftRecent->currentText();
    if (window.busy || picked == window.leftFileName)
        return;
    LoadLeftFile(window, picked);
    for (int entry = 0; entry < window.rightRecent->count(); ++entry) {
        const QString partner = window.rightRecent->itemText(entry);
        if (BareName(window.leftFileName) == BareName(partner) ||
            HasPairRecord(window, window.leftFileName, partner)) {
            LoadRightFile(window, partner);
            ShowInRecent(window.rightRecent, partner);
            Recompare(window);
            return;
        }
    }
}

void PickRightRecentFile(MainWindow& window) {
    const QString picked = window.rightRecent->currentText();
    if (window.busy || picked == window.rightFileName)
        return;
    LoadRightFile(window, picked);
    Recompare(window);
}

} // namespace tandem
