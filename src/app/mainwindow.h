// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: it owns every control of the window and holds the program's state as plain
// fields, which the commands read and write. BuildMainWindow assembles it.
#pragma once

#include "panes/fillerrows.h"
#include "settings/settingsstore.h"
#include "toolkit/imagelist.h"
#include "toolkit/stringlist.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
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
    QWidget* leftHolder = nullptr;
    QWidget* rightHolder = nullptr;
    TextPane* leftPane = nullptr;
    TextPane* rightPane = nullptr;
    std::unique_ptr<SettingsStore> settings;
    QFileDialog* openDialog = nullptr;
    QMenu* popupMenu = nullptr;
    ShadowLabel* leftCaption = nullptr;
    ShadowLabel* rightCaption = nullptr;
    ImageShow* leftMarker = nullptr;
    ImageShow* rightMarker = nullptr;
    QComboBox* leftRecent = nullptr;
    QComboBox* rightRecent = nullptr;
    QToolBar* toolbar = nullptr;
    StatusLine* status = nullptr;

    QString leftFileName;
    QString rightFileName;
    int currentDifference = 0;
    bool busy = false;
    // The result lists; absent before start-up has made them and after the close request.
    std::unique_ptr<StringList> leftMarks;
    std::unique_ptr<StringList> rightMarks;
    std::unique_ptr<StringList> blocks;
    int popupBlock = 0;
    TextPane* popupPane = nullptr;
    bool leftModified = false;
    bool rightModified = false;
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

    // Comparing: which rows of each pane the last comparison inserted as fillers, so saving
    // takes out exactly those; the block commands keep them in step with their edits.
    FillerRows leftFillers;
    FillerRows rightFillers;
    // Loading: the side's file exists but could not be read, so its pane does not hold the file
    // and must never be written over it.
    bool leftUnreadable = false;
    bool rightUnreadable = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Builds the main window with everything it owns, then runs InitMainWindow. The arguments are
// the program's command line, argument 0 being the program.
std::unique_ptr<MainWindow> BuildMainWindow(const QStringList& arguments);
void InitMainWindow(MainWindow& window, const QStringList& arguments);

} // namespace tandem
