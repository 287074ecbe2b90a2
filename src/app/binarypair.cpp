// SPDX-License-Identifier: GPL-3.0-or-later
// A pair with a binary file is not compared line by line: a binary side's pane stays empty and
// takes no edits, and a notice says whether the two files hold the same bytes.
#include "app/commands.h"
#include "app/filenotices.h"
#include "app/mainwindow.h"
#include "toolkit/textpane.h"

namespace tandem {

namespace {

QString BinarySentence(const PaneSide& side) {
    return QStringLiteral("The file %1 is binary: %2. It is not shown as text and cannot be "
                          "edited.")
        .arg(side.fileName, QString::fromStdString(side.pane->Format().binaryReason));
}

// Both sides hold a file that was read.
bool BothRead(const MainWindow& window) {
    for (const PaneSide& side : window.sides) {
        if (side.fileName.isEmpty() || side.unreadable || side.pane->Stamp().size < 0)
            return false;
    }
    return true;
}

} // namespace

bool IsBinarySide(const MainWindow& window, Side side) {
    return window.sides[side].pane->Format().Binary();
}

void TellBinaryFile(MainWindow& window, Side side) {
    ShowFileNotice(window, BinarySentence(window.sides[side]), false);
}

void CompareBinaryPair(MainWindow& window) {
    for (PaneSide& side : window.sides) {
        if (side.marks)
            side.marks->Clear();
    }
    if (window.blocks)
        window.blocks->Clear();
    QStringList sentences;
    for (Side side : kEachSide) {
        if (IsBinarySide(window, side))
            sentences << BinarySentence(window.sides[side]);
    }
    if (BothRead(window)) {
        const FileStamp& left = window.sides[kLeft].pane->Stamp();
        const FileStamp& right = window.sides[kRight].pane->Stamp();
        const bool same = left.size == right.size && left.hash == right.hash;
        sentences << QStringLiteral("Binary files %1 and %2 %3.")
                         .arg(window.sides[kLeft].fileName, window.sides[kRight].fileName,
                              same ? QStringLiteral("are the same") : QStringLiteral("differ"));
    }
    ShowFileNotice(window, sentences.join(QLatin1Char(' ')), false);
}

} // namespace tandem
