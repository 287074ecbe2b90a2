// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files and comparing them: the open commands, Recompare, the recent-file boxes, and
// LoadAndCompare at the centre of them, which reads both files again, takes over the pair's
// options, compares and brings back the difference that was current when the pair was left.
#include "app/commands.h"
#include "app/filenotices.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "app/statusparts.h"
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
    PaneSide& held = window.sides[side];
    held.pane->ScrollVertical(ScrollRequest::Top);
    // An unreadable file gives an empty pane; its name is taken over all the same. A file that
    // is there but could not be read is remembered, so the empty pane is never saved over it.
    held.unreadable = false;
    QString reason;
    if (!held.pane->LoadFile(path, &reason)) {
        held.pane->SetFileText({});
        held.unreadable = !path.isEmpty() && QFileInfo::exists(path);
        if (held.unreadable)
            ShowFileNotice(window,
                           QStringLiteral("The file %1 could not be opened: %2.").arg(path, reason),
                           false);
    }
    held.fillers.Clear();
    if (window.blocks)
        window.blocks->Clear();
    if (path != held.fileName) {
        held.fileName = path;
        held.caption->setText(path);
        AddRecent(held.recent, path);
        ShowInRecent(held.recent, path);
    }
    if (IsBinarySide(window, side))
        TellBinaryFile(window, side);
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
        window.status->SetPart(kDepthPart, DepthText(window.depth));
    }
    const std::string lookup = window.settings->ReadString(key + settings::kPairLookupSuffix);
    if (!lookup.empty()) {
        window.lookup = TextToNumber(lookup);
        window.status->SetPart(kLookupPart, LookupText(window.lookup));
    }
}

bool ShouldCompare(const MainWindow& window) {
    if (SameBareName(window.sides[kLeft].fileName, window.sides[kRight].fileName) ||
        Program().setup)
        return true;
    return AskYesNo(QStringLiteral("The names of the files are different. Compare anyway ?"));
}

void RestoreDifference(MainWindow& window, const std::string& key) {
    window.sides[kLeft].pane->setFocus();
    const std::string record = window.settings->ReadString(key);
    // A pair compared for the first time opens at its first difference, so Next goes to the
    // second one and none is passed over unseen.
    const int index = record.empty() ? 0 : TextToNumber(Field(record, ',', kRecordDifferenceField));
    if (!record.empty() || window.blocks->Count() > 0) {
        SetCurrentDifference(window, index);
        if (index < window.blocks->Count()) {
            const std::string block = window.blocks->Item(index);
            // The second time places the markers against the panes as the first time left them.
            ShowDifference(window, block);
            ShowDifference(window, block);
        }
    }
    for (PaneSide& side : window.sides)
        side.modified = false;
}

// A file chosen for a side is read at once, and compared at once when its name is the other
// file's: otherwise Recompare compares it.
void OpenChosenFile(MainWindow& window, Side side, const QString& path) {
    LoadSideFile(window, side, path);
    if (SameBareName(window.sides[kLeft].fileName, window.sides[kRight].fileName))
        Recompare(window);
}

void OpenSideFile(MainWindow& window, Side side) {
    window.openDialog->selectFile(window.sides[side].fileName);
    if (window.openDialog->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = window.openDialog->selectedFiles();
    if (chosen.isEmpty())
        return;
    OpenChosenFile(window, side, chosen.first());
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

void LoadFile(MainWindow& window, Side side, const QString& path) {
    LoadSideFile(window, side, path);
}

void OpenFile(MainWindow& window, Side side) {
    OpenSideFile(window, side);
}

void DropFiles(MainWindow& window, Side side, const QStringList& paths) {
    if (window.busy || paths.isEmpty())
        return;
    if (paths.size() == 1) {
        OpenChosenFile(window, side, paths.first());
        return;
    }
    LoadSideFile(window, kLeft, paths.at(0));
    LoadSideFile(window, kRight, paths.at(1));
    Recompare(window);
}

void Recompare(MainWindow& window) {
    // A run is going (a file notice or the Setup dialog can still ask for another): the panes
    // must stay as the run found them, so the request is dropped.
    if (window.busy)
        return;
    for (Side side : kEachSide)
        window.sides[side].pane->setEnabled(false);
    SaveState(window);
    window.alignedText = false;
    LoadAndCompare(window);
    for (Side side : kEachSide)
        window.sides[side].pane->setEnabled(true);
    window.sides[kLeft].pane->setFocus();
}

void LoadAndCompare(MainWindow& window, bool askAboutNames) {
    for (Side side : kEachSide) {
        const QString& held = window.sides[side].fileName;
        LoadFile(window, side,
                 held.isEmpty() ? QString::fromStdString(
                                      window.settings->ReadString(settings::kFileNames[side]))
                                : QString(held));
    }
    for (Side side : kEachSide) {
        AddRecent(window.sides[side].recent, window.sides[side].fileName);
        MergeStoredList(window, window.sides[side].recent, settings::kRecentLists[side]);
    }
    const std::string key = PairKey(window.sides[kLeft].fileName, window.sides[kRight].fileName);
    TakePairOptions(window, key);
    WatchPairFiles(window);
    if (IsBinarySide(window, kLeft) || IsBinarySide(window, kRight))
        CompareBinaryPair(window);
    else if (!askAboutNames || ShouldCompare(window))
        RunComparison(window);
    if (window.blocks)
        RestoreDifference(window, key);
}

// The one place where the two sides differ: a left pick also finds its partner in the right
// list (the same bare name, or a pair compared before) and compares the two; a right pick only
// compares with the left file on show.
void PickRecentFile(MainWindow& window, Side side) {
    const QString picked = window.sides[side].recent->currentText();
    if (window.busy || picked == window.sides[side].fileName)
        return;
    LoadFile(window, side, picked);
    if (side == kRight) {
        Recompare(window);
        return;
    }
    const QString& left = window.sides[kLeft].fileName;
    QComboBox* partners = window.sides[kRight].recent;
    for (int entry = 0; entry < partners->count(); ++entry) {
        const QString partner = partners->itemText(entry);
        if (BareName(left) == BareName(partner) || HasPairRecord(window, left, partner)) {
            LoadFile(window, kRight, partner);
            ShowInRecent(partners, partner);
            Recompare(window);
            return;
        }
    }
}

} // namespace tandem
