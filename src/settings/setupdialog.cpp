// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setupdialog.h"

#include "settings/settingnames.h"
#include "toolkit/colours.h"
#include "toolkit/docklayout.h"
#include "toolkit/fields.h"
#include "windows/framegeometry.h"
#include "windows/roundedframe.h"

#include <QColorDialog>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tandem {

namespace {

// Where the dialog first appears; a stored placement replaces it.
constexpr int kDialogLeft = 219;
constexpr int kDialogTop = 143;
// The client width of a dialog without a stored one; the rightmost control ends at 408.
constexpr int kDefaultClientWidth = 428;
// Arial bold, 18 pixels from line to line.
const char* const kFontFace = "Arial";
constexpr int kFontPixels = 16;
// Height of buttons and fields; the swatches' size.
constexpr int kControlHeight = 22;
constexpr int kSwatchWidth = 33;
constexpr int kSelectWidth = 153;
// The colour dialog's custom colours, all white each time the dialog is built.
constexpr int kCustomColours = 16;
// The depth of analysis is a percentage.
constexpr int kLowestDepth = 0;
constexpr int kHighestDepth = 100;

// One row per colour: label, swatch and "Select" button share its top.
struct ColourRow {
    const char* label;
    int labelLeft;
    int top;
};

constexpr std::array<ColourRow, kColourRoles> kColourRows = {{
    {"Select Insert Color", 20, 53},
    {"Select Difference Color 1", 21, 93},
    {"Select Difference Color 2", 21, 133},
    {"Select Difference Color 3", 21, 173},
    {"Select Background Color", 21, 213},
}};
constexpr int kSwatchLeft = 213;
constexpr int kSelectLeft = 253;

// The labels below the colour rows: the depth row, the lookup row and the warning.
struct TextRow {
    const char* text;
    int left;
    int top;
};

constexpr std::array<TextRow, 4> kTextRows = {{
    {"Depth of Analisys (0-100)", 21, 253},
    {"(100-*)", 149, 293},
    {"(be carefull, these options can dramatically", 21, 325},
    {"deteriorate the program performance)", 25, 354},
}};
// The two fields and the OK button: left, top, width.
constexpr QRect kDepthField(350, 253, 54, kControlHeight);
constexpr QRect kLookupField(349, 293, 55, kControlHeight);
constexpr QRect kOkButton(255, 394, 152, kControlHeight);
// The controls' right end: a narrower dialog would cut them off.
constexpr int kControlsRight = kOkButton.right() + 1;

QMargins FrameRoom() {
    return FrameMargins(RoundedFrame::kAttachRadius, RoundedFrame::kCaptionHeight, true);
}

} // namespace

SetupDialog::SetupDialog(SetupTarget& target) : target_(target) {
    setWindowTitle(QStringLiteral("Setup"));
    const QMargins frame = FrameRoom();
    move(kDialogLeft, kDialogTop);
    resize(kDefaultClientWidth + frame.left() + frame.right(),
           kClientHeight + frame.top() + frame.bottom());
    QFont font(QString::fromLatin1(kFontFace));
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    setFont(font);

    chooser_ = std::make_unique<QColorDialog>();
    for (int index = 0; index < kCustomColours; ++index)
        QColorDialog::setCustomColor(index, Qt::white);

    placement_ = CreateSettingsStore(this);
    placement_->SetSectionName(settings::kSetupSection);
    placement_->SetSmallestSize(QSize(kControlsRight + frame.left() + frame.right(), height()));
    placement_->RestorePlacement();

    panel_ = new QFrame(this);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetBackgroundColour(panel_, SystemColour(kButtonFaceColour));
    DockLayoutOf(this)->AddWidget(panel_, Dock::Client);
    BuildControls();

    // The frame keeps the outer size, so the client height counts inside it.
    setFixedSize(width(), kClientHeight + frame.top() + frame.bottom());
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::BuildControls() {
    for (std::size_t row = 0; row < kColourRows.size(); ++row) {
        const ColourRow& place = kColourRows[row];
        AddLabel(place.label, place.labelLeft, place.top);
        auto* swatch = new QFrame(panel_);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Raised);
        swatch->setGeometry(kSwatchLeft, place.top, kSwatchWidth, kControlHeight);
        SetBackgroundColour(swatch, SystemColour(kButtonFaceColour));
        swatches_[row] = swatch;
        selects_[row] =
            AddButton("Select", QRect(kSelectLeft, place.top, kSelectWidth, kControlHeight));
        connect(selects_[row], &QPushButton::clicked, this,
                [this, role = ColourRole(row)] { ChooseColour(role); });
    }
    for (const TextRow& row : kTextRows)
        AddLabel(row.text, row.left, row.top);
    depth_ = AddField(kDepthField);
    depth_->installEventFilter(this);
    lookup_ = AddField(kLookupField);
    ok_ = AddButton("OK", kOkButton);
    connect(ok_, &QPushButton::clicked, this, [this] { done(1); });
}

void SetupDialog::AddLabel(const char* text, int left, int top) {
    auto* label = new QLabel(QString::fromLatin1(text), panel_);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
}

QPushButton* SetupDialog::AddButton(const char* text, const QRect& place) {
    auto* button = new QPushButton(QString::fromLatin1(text), panel_);
    // Enter must not close the dialog past the depth check.
    button->setAutoDefault(false);
    button->setGeometry(place);
    return button;
}

QLineEdit* SetupDialog::AddField(const QRect& place) {
    auto* field = new QLineEdit(panel_);
    field->setAlignment(Qt::AlignRight);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, SystemColour(kWindowColour));
    field->setPalette(palette);
    field->setGeometry(place);
    return field;
}

void SetupDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (int row = 0; row < kColourRoles; ++row)
        SetBackgroundColour(swatches_[std::size_t(row)], target_.Colour(ColourRole(row)));
}

bool SetupDialog::eventFilter(QObject* watched, QEvent* event) {
    // Only a move of the focus inside the dialog counts: closing it or switching to another
    // window leaves a typed depth as it is.
    if (watched == depth_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CheckDepth();
    }
    return QDialog::eventFilter(watched, event);
}

void SetupDialog::CheckDepth() {
    if (TextToNumber(depth_->text().toStdString()) < kLowestDepth)
        depth_->setText(QString::number(kLowestDepth));
    if (TextToNumber(depth_->text().toStdString()) > kHighestDepth)
        depth_->setText(QString::number(kHighestDepth));
}

// The swatch keeps its colour until the dialog is shown again.
void SetupDialog::ChooseColour(ColourRole role) {
    chooser_->setCurrentColor(target_.Colour(role));
    if (chooser_->exec() != QDialog::Accepted)
        return;
    target_.SetColour(role, chooser_->selectedColor());
    if (role != ColourRole::Background)
        target_.Recompare();
}

} // namespace tandem
