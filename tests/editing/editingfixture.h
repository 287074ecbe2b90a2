// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window on temporary files, driven with the mouse like a user edits blocks.
#pragma once

#include "comparing/comparingfixture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace tandem {

// A file of these lines, each ended by LF.
inline QByteArray Lines(std::initializer_list<const char*> lines) {
    QByteArray text;
    for (const char* line : lines)
        text += QByteArray(line) + "\n";
    return text;
}

class EditingTest : public ComparingTest {
protected:
    // A point well inside the row's first character.
    static QPoint RowPoint(TextPane* pane, int row) {
        return pane->PointOf(pane->LineStart(row)) + QPoint(2, pane->LineHeight() / 2);
    }
    void Hover(TextPane* pane, int row) {
        QMouseEvent move(QEvent::MouseMove, RowPoint(pane, row),
                         pane->viewport()->mapToGlobal(RowPoint(pane, row)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pane->viewport(), &move);
    }
    // A right click where the mouse is; true when the popup menu opened.
    bool RightClick(TextPane* pane, int row) {
        window->popupMenu->hide();
        const QPoint at = RowPoint(pane, row);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, pane->viewport()->mapToGlobal(at));
        QApplication::sendEvent(pane->viewport(), &click);
        return window->popupMenu->isVisible();
    }
    // Moves over the row, opens the popup menu there and clicks its item.
    void Choose(TextPane* pane, int row, int item) {
        Hover(pane, row);
        ASSERT_TRUE(RightClick(pane, row)) << "no popup menu over row " << row;
        QMenu* menu = window->popupMenu;
        QAction* action = menu->actions().at(item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        ASSERT_FALSE(menu->isVisible());
    }
    void Copy(TextPane* pane, int row) { Choose(pane, row, 0); }
    void Delete(TextPane* pane, int row) { Choose(pane, row, 1); }
    static std::vector<std::string> Rows(TextPane* pane) {
        std::vector<std::string> rows;
        for (int row = 0; row < pane->LineCount(); ++row)
            rows.push_back(pane->LineText(row));
        return rows;
    }
};

// Rows 3..5 exist on the left only; rows 8 and 9 differ; row 10 is common again.
inline const QByteArray kLeftText =
    Lines({"s0", "s1", "s2", "only left a", "only left b", "only left c", "s6", "s7",
           "value eight = 1", "value nine = 1", "s10"});
inline const QByteArray kRightText =
    Lines({"s0", "s1", "s2", "s6", "s7", "value eight = 2", "value nine = 2", "s10"});

// The window on that pair, with the left pane focused.
class PairEditingTest : public EditingTest {
protected:
    void StartPair() {
        StartOn(kLeftText, kRightText, QStringLiteral("left/pair.txt"),
                QStringLiteral("right/pair.txt"));
        ASSERT_EQ(Blocks(), (std::vector<std::string>{"3,5,l", "8,9,lr"}));
        window->sides[kLeft].pane->setFocus();
    }
};

} // namespace tandem
