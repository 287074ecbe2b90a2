// SPDX-License-Identifier: GPL-3.0-or-later
// Assembly of the main window: every control with its parent, place, size, colours and captions,
// and the wiring of the controls' events to the commands.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "panes/markerfollower.h"
#include "panes/scrollrelay.h"
#include "settings/settingnames.h"
#include "toolkit/colours.h"
#include "toolkit/docklayout.h"
#include "toolkit/imageshow.h"
#include "toolkit/shadowlabel.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"
#include "windows/framegeometry.h"
#include "windows/roundedframe.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>

namespace tandem {

namespace {

// The window's first place and the size of its client area; a stored placement replaces them.
constexpr int kWindowLeft = 195;
constexpr int kWindowTop = 151;
constexpr int kClientWidth = 821;
constexpr int kClientHeight = 492;
// The window's background colour (RGB 236, 233, 216) as a colour code.
constexpr std::int32_t kWindowColourCode = 0xD8E9EC;
// The window's font: Arial, bold, 16 pixels from line to line.
const char* const kWindowFontFace = "Arial";
constexpr int kWindowFontPixels = 14;

// The marker column at the left edge and the two difference markers in it.
constexpr int kMarkerColumnWidth = 17;
constexpr int kMarkerLeft = -1;
constexpr int kMarkerTops[] = {63, 135}; // left, right
constexpr int kMarkerWidth = 16;
constexpr int kMarkerHeight = 25;
// The left holder's width when the panes stand side by side.
constexpr int kLeftHolderWidth = 399;
// Where a caption row sits before the panes are arranged.
const QRect kCaptionRowPlace(3, 3, 393, 17);
// The toolbar images' background (RGB 238, 236, 221), shown as the system's button face.
constexpr std::int32_t kToolbarFaceCode = 0xDDECEE;
constexpr int kToolbarImageSize = 16;
// The line under the toolbar is the window colour darkened by this percentage factor.
constexpr int kToolbarDividerDarker = 130;

struct ToolbarEntry {
    int image; // -1: a separator
    const char* tooltip;
    void (*command)(MainWindow&);
};

constexpr ToolbarEntry kToolbarEntries[] = {
    {0, "Open file (left window) (Ctrl+O)", [](MainWindow& window) { OpenFile(window, kLeft); }},
    {1, "Open file (right window) (Ctrl+Shift+O)",
     [](MainWindow& window) { OpenFile(window, kRight); }},
    {-1, nullptr, nullptr},
    {2, "Recompare (F5)", Recompare},
    {3, "Split horizontally/vertically", ToggleLayout},
    {-1, nullptr, nullptr},
    {4, "First difference (Alt+Home)", FirstDifference},
    {5, "Prev. difference (F7, Alt+Up)", PreviousDifference},
    {6, "Next difference (F8, Alt+Down)", NextDifference},
    {7, "Last difference (Alt+End)", LastDifference},
    {-1, nullptr, nullptr},
    {8, "Setup", ShowSetup},
    {9, "About", ShowAbout},
    {-1, nullptr, nullptr},
    {10, "Exit (Ctrl+Q)", ExitProgram},
};

QFont NotBold(const QFont& font) {
    QFont result = font;
    result.setBold(false);
    return result;
}

void BuildWindow(MainWindow& window) {
    window.setWindowTitle(QStringLiteral("Tandemview"));
    window.setWindowIcon(QIcon(QStringLiteral(":/MAINICON")));
    DockLayoutOf(&window);
    // The frame attached at start-up keeps the outer size, so room for it is made here.
    const QMargins frame =
        FrameMargins(RoundedFrame::kAttachRadius, RoundedFrame::kCaptionHeight, true);
    window.move(kWindowLeft, kWindowTop);
    window.resize(kClientWidth + frame.left() + frame.right(),
                  kClientHeight + frame.top() + frame.bottom());
    SetBackgroundColour(&window, ColourFromCode(kWindowColourCode));
    QFont font(QString::fromLatin1(kWindowFontFace));
    font.setPixelSize(kWindowFontPixels);
    font.setBold(true);
    window.setFont(font);
}

// Takes the completion list off the file-name field whenever the dialog is shown: the list is a
// window of its own that stayed on screen after the dialog closed and took the next click.
class NoCompletionList : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            for (QLineEdit* field : watched->findChildren<QLineEdit*>())
                field->setCompleter(nullptr);
        }
        return QObject::eventFilter(watched, event);
    }
};

// One dialog serves both sides: an existing file, whose folder exists too, one at a time.
void BuildOpenDialog(MainWindow& window) {
    auto* dialog = new QFileDialog(&window, QStringLiteral("Select file to compare"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->installEventFilter(new NoCompletionList(dialog));
    window.openDialog = dialog;
}

void BuildPopupMenu(MainWindow& window) {
    window.popupMenu = new QMenu(&window);
    window.popupMenu->addAction(QStringLiteral("Copy"), &window, [&window] { CopyBlock(window); });
    window.popupMenu->addAction(QStringLiteral("Delete"), &window,
                                [&window] { DeleteBlock(window); });
    window.popupMenu->addSeparator();
    window.popupMenu->addAction(QStringLiteral("Layout"), &window,
                                [&window] { ToggleLayout(window); });
}

void BuildMarkers(MainWindow& window) {
    window.markerColumn = new QFrame(&window);
    window.markerColumn->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    window.markerColumn->setContentsMargins(0, 0, 0, 0);
    window.markerColumn->resize(kMarkerColumnWidth, window.markerColumn->height());
    SetBackgroundColour(window.markerColumn, ColourFromCode(kWindowColourCode));
    DockLayoutOf(&window)->AddWidget(window.markerColumn, Dock::Left);
    for (Side side : kEachSide) {
        ImageShow*& marker = window.sides[side].marker;
        marker = new ImageShow(&window.images, 0, window.markerColumn);
        marker->setGeometry(kMarkerLeft, kMarkerTops[side], kMarkerWidth, kMarkerHeight);
        marker->hide();
    }
}

// One side: its holder with the caption row, the recent-file box and the pane.
void BuildSide(MainWindow& window, PaneSide& side) {
    side.holder = new QWidget(window.mainArea);
    DockLayout* layout = DockLayoutOf(side.holder);
    side.caption = new ShadowLabel(side.holder, 1);
    side.caption->setGeometry(kCaptionRowPlace);
    side.caption->setFont(NotBold(window.font()));
    side.caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Opaque, so the box's own copy of the path under it never shows through.
    SetBackgroundColour(side.caption, SystemColour(kWindowColour));
    layout->AddWidget(side.caption, Dock::None);
    side.recent = new QComboBox(side.holder);
    side.recent->setEditable(true);
    side.recent->setInsertPolicy(QComboBox::NoInsert);
    side.recent->setFont(NotBold(window.font()));
    SetBackgroundColour(side.recent, SystemColour(kWindowColour));
    layout->AddWidget(side.recent, Dock::Top);
    side.pane = new TextPane(side.holder);
    side.pane->SetBackgroundColour(SystemColour(kWindowColour));
    layout->AddWidget(side.pane, Dock::Client);
}

void BuildPanes(MainWindow& window) {
    window.mainArea = new QWidget(&window);
    window.mainArea->setContentsMargins(0, 0, 0, 0);
    DockLayoutOf(&window)->AddWidget(window.mainArea, Dock::Client);
    DockLayout* area = DockLayoutOf(window.mainArea);
    // The right holder fills what the left one, docked at the side, leaves.
    BuildSide(window, window.sides[kRight]);
    area->AddWidget(window.sides[kRight].holder, Dock::Client);
    BuildSide(window, window.sides[kLeft]);
    QWidget* left = window.sides[kLeft].holder;
    left->resize(kLeftHolderWidth, left->height());
    area->AddWidget(left, Dock::Left);
}

void BuildToolbar(MainWindow& window) {
    window.toolbar = new QToolBar(&window);
    window.toolbar->setMovable(false);
    window.toolbar->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    // The style would paint its own toolbar panel; the window's colour shows through instead.
    window.toolbar->setStyleSheet(
        QStringLiteral("QToolBar { background: %1; border: none; border-bottom: 1px solid %2; }")
            .arg(ColourFromCode(kWindowColourCode).name(),
                 ColourFromCode(kWindowColourCode).darker(kToolbarDividerDarker).name()));
    ImageList images(kToolbarImageSize, kToolbarImageSize);
    const QImage strip(QStringLiteral(":/TANDEM_TBBMP5000"));
    images.AddMasked(
        ReplaceColour(strip, ColourFromCode(kToolbarFaceCode), SystemColour(kButtonFaceColour)),
        Qt::transparent);
    for (const ToolbarEntry& entry : kToolbarEntries) {
        if (entry.image < 0) {
            window.toolbar->addSeparator();
            continue;
        }
        QAction* action = window.toolbar->addAction(QIcon(images.Image(entry.image)), QString());
        action->setToolTip(QString::fromLatin1(entry.tooltip));
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, command = entry.command] { command(window); });
    }
    DockLayoutOf(&window)->AddWidget(window.toolbar, Dock::Top);
}

void WireEvents(MainWindow& window) {
    for (Side side : {kRight, kLeft}) {
        QObject::connect(window.sides[side].recent, &QComboBox::currentTextChanged, &window,
                         [&window, side] { PickRecentFile(window, side); });
    }
    for (Side side : kEachSide) {
        TextPane* pane = window.sides[side].pane;
        pane->installEventFilter(&window);
        pane->viewport()->installEventFilter(&window);
        pane->viewport()->setMouseTracking(true);
        new ScrollRelay(pane);
        new MarkerFollower(window.sides[side].marker, pane);
    }
}

} // namespace

std::unique_ptr<MainWindow> BuildMainWindow(const QStringList& arguments) {
    auto window = std::make_unique<MainWindow>();
    BuildWindow(*window);
    window->status = StatusLine::Of(window.get());
    window->status->SetPart(StatusLine::kSimplePart, QStringLiteral("Status line"));
    window->settings = CreateSettingsStore(window.get());
    window->settings->SetSectionName(settings::kMainSection);
    window->settings->RestorePlacement();
    window->images.AddMasked(QStringLiteral(":/TANDEM_IL"), Qt::white);
    BuildOpenDialog(*window);
    BuildPopupMenu(*window);
    BuildMarkers(*window);
    BuildPanes(*window);
    BuildToolbar(*window);
    WireEvents(*window);
    InitMainWindow(*window, arguments);
    return window;
}

} // namespace tandem
