// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: it owns every control of the window and holds the program's state as plain
// fields, which the commands read and write. BuildMainWindow assembles it.
#pragma once

#include "app/blockundo.h"
#include "panes/fillerrows.h"
#include "settings/settingsstore.h"
#include "toolkit/imagelist.h"
#include "toolkit/side.h"
#include "toolkit/stringlist.h"
#include "windows/progresswindow.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QFileDialog;
class QFrame;
class QMenu;
class QToolBar;

namespace tandem {

class ImageShow;
class RoundedFrame;
class ShadowLabel;
class StatusLine;
class TextPane;

// What the window holds once per file: its controls and what it knows of the file.
struct PaneSide {
    QWidget* holder = nullptr; // the caption row, the recent-file box and the pane
    TextPane* pane = nullptr;
    ShadowLabel* caption = nullptr;
    QComboBox* recent = nullptr;
    ImageShow* marker = nullptr;
    QString fileName;
    // The side's mark list; absent before start-up has made it and after the close request.
    std::unique_ptr<StringList> marks;
    // Which rows the last comparison inserted as fillers, so saving takes out exactly those;
    // the block commands keep them in step with their edits.
    FillerRows fillers;
    bool modified = false;
    // The file exists but could not be read, so the pane does not hold it and must never be
    // written over it.
    bool unreadable = false;
};

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();
    // Runs the save-state step while every control still exists; the settings store, released
    // after it, saves the placement.
    ~MainWindow() override;

    // The markers' images come first so they outlive the markers.
    ImageList images{16, 25};

    QFrame* markerColumn = nullptr;
    QWidget* mainArea = nullptr;
    std::unique_ptr<SettingsStore> settings;
    QFileDialog* openDialog = nullptr;
    QMenu* popupMenu = nullptr;
    QToolBar* toolbar = nullptr;
    StatusLine* status = nullptr;

    int currentDifference = 0;
    bool busy = false;
    // The block list; absent, like the mark lists, before start-up and after the close request.
    std::unique_ptr<StringList> blocks;
    // Only while a comparison runs; closing the window ends it, and the run with it.
    std::unique_ptr<ProgressWindow> progressWindow;
    int popupBlock = 0;
    TextPane* popupPane = nullptr;
    bool alignedText = false;
    bool stacked = false; // panes one above the other instead of side by side
    QColor insertColour;
    QColor differenceColour1;
    QColor differenceColour2;
    QColor differenceColour3;
    int depth = 0;  // depth of analysis, percent
    int lookup = 0; // lines
    // Settings: false until the panes' background comes from a stored or chosen colour; until
    // then it is saved as the system's window colour rather than as the colour it shows.
    bool backgroundChosen = false;

    std::array<PaneSide, 2> sides;
    // The block edits of the pair on show, oldest first, each with the state before it.
    std::vector<BlockEditStep> undoSteps;
    // The side whose pane this is (the left one for any other widget).
    Side SideOf(const TextPane* pane) const { return pane == sides[kRight].pane ? kRight : kLeft; }

protected:
    // Files dragged over a pane: true when the event was such a drag or drop and is handled.
    bool HandleFileDrop(Side side, QEvent* event);
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Builds the main window with everything it owns, then runs InitMainWindow. The arguments are
// the program's command line, argument 0 being the program.
std::unique_ptr<MainWindow> BuildMainWindow(const QStringList& arguments);
void InitMainWindow(MainWindow& window, const QStringList& arguments);

} // namespace tandem
