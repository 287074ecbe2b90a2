// SPDX-License-Identifier: GPL-3.0-or-later
// Copying and deleting difference blocks from the panes' popup menu. The menu is offered only
// over a block the pane takes part in, and the commands act on the block it was offered for.
#include "app/blockshift.h"
#include "app/blockundo.h"
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "app/statusparts.h"
#include "engine/normalise.h"
#include "engine/records.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"

#include <QMenu>
#include <algorithm>

namespace tandem {

namespace {

// Scintilla puts its text cursor back on every mouse move unless given one by number; 8 is its
// hand, one past the numbers it names.
constexpr unsigned long kHandCursor = 8;

// The record the popup menu was last offered for, if it still names one.
bool PopupRecord(const MainWindow& window, BlockRecord& block) {
    if (window.busy || !window.blocks || !window.sides[kLeft].marks ||
        !window.sides[kRight].marks || !window.popupPane || window.popupBlock < 0 ||
        window.popupBlock >= window.blocks->Count())
        return false;
    block = BlockRecord::Read(window.blocks->Item(window.popupBlock));
    return true;
}

void SetHandCursor(TextPane& pane, bool hand) {
    pane.SendScintilla(QsciScintillaBase::SCI_SETCURSOR,
                       hand ? kHandCursor
                            : static_cast<unsigned long>(QsciScintillaBase::SC_CURSORNORMAL));
}

// A pane with the menu attached opens it on a right click.
void AttachPopupMenu(MainWindow& window, TextPane& pane) {
    if (pane.contextMenuPolicy() == Qt::CustomContextMenu)
        return;
    pane.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&pane, &QWidget::customContextMenuRequested, window.popupMenu,
                     [menu = window.popupMenu, &pane](QPoint at) {
                         menu->popup(pane.viewport()->mapToGlobal(at));
                     });
}

void DetachPopupMenu(TextPane& pane) {
    SetHandCursor(pane, false);
    if (pane.contextMenuPolicy() != Qt::CustomContextMenu)
        return;
    QObject::disconnect(&pane, &QWidget::customContextMenuRequested, nullptr, nullptr);
    pane.setContextMenuPolicy(Qt::DefaultContextMenu);
}

void SetCopyCaption(MainWindow& window, const QString& caption) {
    QAction* copy = window.popupMenu->actions().value(0);
    if (copy && copy->text() != caption)
        copy->setText(caption);
}

void TrackBlockUnderMouse(MainWindow& window, TextPane& pane, QPoint at, char letter) {
    if (!window.blocks)
        return;
    const int position = pane.PositionAt(at);
    const int line = pane.LineOf(position);
    for (int index = 0; index < window.blocks->Count(); ++index) {
        const BlockRecord block = BlockRecord::Read(window.blocks->Item(index));
        if (line < block.first || line > block.last ||
            block.sides.find(letter) == std::string::npos)
            continue;
        pane.SetSelection(position, position);
        SetHandCursor(pane, true);
        AttachPopupMenu(window, pane);
        window.popupBlock = index;
        window.popupPane = &pane;
        return;
    }
    DetachPopupMenu(pane);
    window.status->SetPart(kDiffsPart, QStringLiteral("Diffs: %1").arg(window.blocks->Count()));
    window.status->SetPart(kLinesPart,
                           QStringLiteral("Lines: %1").arg(window.sides[kLeft].pane->LineCount()));
}

// Colours of a whole row, its line end included, go back to the pane's own.
void ResetRowColours(TextPane& pane, int row) {
    const int start = pane.LineStart(row);
    if (start < 0)
        return;
    const int length = int(pane.LineText(row).size()) + 1;
    ResetLineColours(pane, start, std::min(length, pane.TextLength() - start));
}

// A line as the target pane holds it: a pane shown as Latin-1 and one shown as UTF-8 hold the
// same characters in different bytes. A line with characters Latin-1 has no byte for keeps its
// UTF-8 bytes and marks its row, so saving asks before the file becomes UTF-8.
std::string CarriedLine(const TextPane& source, const TextPane& target, std::string line) {
    const bool fromUtf8 = source.Format().utf8;
    if (fromUtf8 == target.Format().utf8)
        return line;
    const QByteArray bytes = QByteArray::fromStdString(line);
    if (!fromUtf8)
        return QString::fromLatin1(bytes).toUtf8().toStdString();
    const QString text = QString::fromUtf8(bytes);
    const bool fits = std::all_of(text.begin(), text.end(),
                                  [](QChar character) { return character.unicode() < 256; });
    return fits ? text.toLatin1().toStdString() : line;
}

void CarryLine(const TextPane& source, TextPane& target, int row) {
    const std::string line = source.LineText(row);
    const std::string carried = CarriedLine(source, target, line);
    target.ReplaceLine(row, carried);
    if (!source.Format().utf8 || target.Format().utf8 || carried != line)
        return;
    if (!IsValidUtf8(line) || std::all_of(line.begin(), line.end(), [](char byte) {
            return static_cast<unsigned char>(byte) < 0x80;
        }))
        return;
    target.MarkRowUtf8(row);
}

} // namespace

// Both panes take no input while a command rewrites their rows.
class PanesDisabled {
public:
    explicit PanesDisabled(MainWindow& window) : window_(window) { Enable(false); }
    ~PanesDisabled() { Enable(true); }
    PanesDisabled(const PanesDisabled&) = delete;
    PanesDisabled& operator=(const PanesDisabled&) = delete;

private:
    void Enable(bool enabled) {
        for (PaneSide& side : window_.sides)
            side.pane->setEnabled(enabled);
    }
    MainWindow& window_;
};

void CopyBlock(MainWindow& window) {
    BlockRecord block;
    if (!PopupRecord(window, block))
        return;
    RememberBlockEdit(window);
    const Side from = window.SideOf(window.popupPane);
    TextPane& source = *window.sides[from].pane;
    PaneSide& to = window.sides[Other(from)];
    TextPane& target = *to.pane;
    to.modified = true;
    {
        const PanesDisabled disabled(window);
        for (int row = block.first; row <= block.last; ++row) {
            CarryLine(source, target, row);
            ResetRowColours(target, row);
            ResetRowColours(source, row);
        }
        // The copied rows are lines of the target's file now, and no longer differences.
        to.fillers.Forget(block.first, block.last);
        for (PaneSide& side : window.sides)
            DropMarks(*side.marks, block.first, block.last);
        window.blocks->Delete(window.popupBlock);
        DetachPopupMenu(source);
    }
}

void DeleteBlock(MainWindow& window) {
    BlockRecord block;
    if (!PopupRecord(window, block))
        return;
    RememberBlockEdit(window);
    const Side side = window.SideOf(window.popupPane);
    PaneSide& held = window.sides[side];
    const PaneSide& facing = window.sides[Other(side)];
    TextPane& pane = *held.pane;
    TextPane& other = *facing.pane;
    const BusyMarkerGuard busy;
    int last = block.last;
    int removed = 0;
    for (int row = block.first; row <= last;) {
        pane.ReplaceLine(row, std::string_view(""));
        ResetRowColours(pane, row);
        DropMarks(*held.marks, row, row);
        // The row no longer holds a line of this file, so saving leaves it out.
        held.fillers.Mark(row);
        held.modified = true;
        // A blank line of the other file stays a line of that file: taking it out of its pane
        // would drop it from the file at that side's next save, unasked.
        if (row >= other.LineCount() || !NormaliseLine(other.LineText(row), false).empty() ||
            !facing.fillers.IsFiller(row)) {
            ++row;
            continue;
        }
        // Blank on both sides now: the row goes from both panes, with everything that named it.
        other.DeleteLines(row, row);
        pane.DeleteLines(row, row);
        for (PaneSide& each : window.sides) {
            each.fillers.RemoveRow(row);
            ShiftMarks(*each.marks, row, 1);
        }
        ++removed;
        --last;
    }
    ShiftBlocks(*window.blocks, removed, block.first);
    // A block whose rows all went, or that was this side's alone, is no difference any more.
    if (block.sides.size() == 1 || last < block.first)
        window.blocks->Delete(window.popupBlock);
    else
        window.blocks->Replace(
            window.popupBlock,
            BlockRecord{block.first, last,
                        std::string(side == kLeft ? kRightOnlySides : kLeftOnlySides)}
                .Text());
}

void TrackPaneMouse(MainWindow& window, Side side, QPoint at) {
    // The copy goes towards the other pane: right or left side by side, down or up stacked.
    static const QString kCopyCaptions[2][2] = {
        {QStringLiteral("Copy to right"), QStringLiteral("Copy down")},
        {QStringLiteral("Copy to left"), QStringLiteral("Copy up")}};
    SetCopyCaption(window, kCopyCaptions[side][window.stacked ? 1 : 0]);
    TrackBlockUnderMouse(window, *window.sides[side].pane, at, side == kLeft ? 'l' : 'r');
}

} // namespace tandem
