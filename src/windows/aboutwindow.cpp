// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/aboutwindow.h"

#include "toolkit/colours.h"
#include "toolkit/docklayout.h"
#include "toolkit/shadowlabel.h"
#include "windows/framegeometry.h"
#include "windows/roundedframe.h"

#include <QDesktopServices>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QUrl>
#include <algorithm>

namespace tandem {

namespace {

// Where the window appears and its outer size.
constexpr int kLeft = 212;
constexpr int kTop = 203;
constexpr int kOuterWidth = 436;
constexpr int kOuterHeight = 338;
// Arial bold and underlined, 20 pixels from line to line, in dark red (colour code 0x000080).
const char* const kFontFace = "Arial";
constexpr int kFontPixels = 18;
constexpr std::int32_t kFontColourCode = 0x000080;
// The row colours as colour codes: black text, the blue mail link, the red authorship line.
constexpr std::int32_t kBlackCode = 0x000000;
constexpr std::int32_t kBlueCode = 0xFF0000;
constexpr std::int32_t kRedCode = 0x0000FF;
// Each row's thin flat border: black, one pixel wide.
constexpr std::int32_t kBorderCode = 0x000000;
// The empty rows above the text and above the mail link.
constexpr int kEmptyRowHeight = 25;
// The "OK" image, its transparent background (colour code 0xD8EEF3) and the button around it.
constexpr int kImageWidth = 90;
constexpr int kImageHeight = 53;
constexpr std::int32_t kImageBackgroundCode = 0xD8EEF3;
constexpr int kButtonWidth = 113;
constexpr int kButtonHeight = 60;
constexpr int kButtonLeft = 160;
constexpr int kButtonTop = 224;
// Room kept under the button should the frame leave the window too little height.
constexpr int kButtonBottomGap = 6;

// The makers' own data.
const char* const kMaker = "The Tandemview developers";
const char* const kMailAddress = "tandemview@example.org";
const char* const kAuthorship = "\u00a9 12.2026 The Tandemview developers";
const char* const kMailSubject = "Tandemview";

struct RowText {
    const char* text; // nullptr: an empty row
    std::int32_t colour;
};

const RowText kRows[AboutWindow::kRowCount] = {
    {nullptr, kBlackCode},
    {"This program was worked out by", kBlackCode},
    {kMaker, kBlackCode},
    {"for internal use but can be used by anyone", kBlackCode},
    {"in case this someone find the functionality", kBlackCode},
    {"of the program of any use.", kBlackCode},
    {nullptr, kBlackCode},
    {nullptr, kBlueCode}, // the mail link
    {kAuthorship, kRedCode},
};

// A row in the thin flat border of a plain window, drawn over what the label paints itself.
class BorderedRow : public ShadowLabel {
public:
    using ShadowLabel::ShadowLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        ShadowLabel::paintEvent(event);
        QPainter painter(this);
        painter.setPen(ColourFromCode(kBorderCode));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent), images_(kImageWidth, kImageHeight), panel_(new QWidget(this)) {
    setWindowTitle(QStringLiteral("About"));
    move(kLeft, kTop);
    const QMargins frame =
        FrameMargins(RoundedFrame::kAttachRadius, RoundedFrame::kCaptionHeight, true);
    // Our caption band is taller than the system's, so the button gets the room it needs.
    const int height = std::max(kOuterHeight, frame.top() + kButtonTop + kButtonHeight +
                                                  kButtonBottomGap + frame.bottom());
    resize(kOuterWidth, height);
    QFont font(QString::fromLatin1(kFontFace));
    font.setPixelSize(kFontPixels);
    font.setBold(true);
    font.setUnderline(true);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColourFromCode(kFontColourCode));
    setPalette(colours);
    images_.AddMasked(QStringLiteral(":/ABOUT_IL"), ColourFromCode(kImageBackgroundCode));
    DockLayoutOf(this)->AddWidget(panel_, Dock::Client);
    panel_->installEventFilter(this);
    BuildRows();
    BuildCloseButton();
    setFixedSize(size());
}

QString AboutWindow::MailLink() {
    return QStringLiteral("mailto:%1?subject=%2")
        .arg(QString::fromLatin1(kMailAddress), QString::fromLatin1(kMailSubject));
}

void AboutWindow::BuildRows() {
    for (int index = 0; index < kRowCount; ++index) {
        const RowText& row = kRows[index];
        auto* label = new BorderedRow(panel_, 0);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        SetBackgroundColour(label, SystemColour(kButtonFaceColour));
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, ColourFromCode(row.colour));
        label->setPalette(colours);
        label->SetShadowColour(ColourFromCode(row.colour));
        if (index == kMailRow)
            label->setText(QStringLiteral("mailto: ") + QString::fromLatin1(kMailAddress));
        else if (row.text)
            label->setText(QString::fromUtf8(row.text));
        label->resize(label->width(),
                      row.text || index == kMailRow ? label->sizeHint().height() : kEmptyRowHeight);
        DockLayoutOf(panel_)->AddWidget(label, Dock::Top);
        rows_.append(label);
    }
    rows_[kMailRow]->setCursor(Qt::PointingHandCursor);
    rows_[kMailRow]->installEventFilter(this);
}

void AboutWindow::BuildCloseButton() {
    close_ = new QToolButton(panel_);
    close_->setAutoRaise(true); // the border shows only under the mouse or while pressed
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setIcon(QIcon(images_.Image(0)));
    close_->setIconSize(QSize(kImageWidth, kImageHeight));
    close_->setGeometry(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
    DockLayoutOf(panel_)->AddWidget(close_, Dock::None);
    connect(close_, &QToolButton::clicked, this, [this] { done(1); });
}

void AboutWindow::CentreCloseButton() {
    close_->move((panel_->width() - close_->width()) / 2, kButtonTop);
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Everything is drawn afresh, backgrounds included.
    update();
    for (QWidget* child : findChildren<QWidget*>())
        child->update();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && event->type() == QEvent::Resize)
        CentreCloseButton();
    if (watched == rows_.value(kMailRow) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        QDesktopServices::openUrl(QUrl(MailLink()));
    return QDialog::eventFilter(watched, event);
}

} // namespace tandem
