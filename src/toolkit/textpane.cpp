// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/textpane.h"

#include "toolkit/filewriting.h"

#include <QContextMenuEvent>
#include <QFileInfo>
#include <QScrollBar>
#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <algorithm>

namespace tandem {

namespace {

// QScintilla offers five margins; the panes show none of them.
constexpr int kMarginCount = 5;
// Scintilla's style numbers run 0..255; 32..39 are its own predefined styles.
constexpr int kStyleLimit = 256;
constexpr int kFirstPredefinedStyle = 32;
constexpr int kLastPredefinedStyle = 39;
// Style 0 is the pane's standard look, which every text starts with.
constexpr int kDefaultStyle = 0;
// Styles are read back in slices of this many characters so a huge range needs no huge buffer.
constexpr int kStyleSlice = 65536;

} // namespace

TextPane::TextPane(QWidget* parent) : QsciScintilla(parent) {
    setReadOnly(true);
    setWrapMode(WrapNone);
    for (int margin = 0; margin < kMarginCount; ++margin)
        setMarginWidth(margin, 0);
    // Without a lexer of our own nothing restyles text behind the program's back.
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(SCLEX_CONTAINER));
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    SendScintilla(SCI_SETHSCROLLBAR, 1UL);
    SendScintilla(SCI_SETVSCROLLBAR, 1UL);
    setUtf8(true);
    SendScintilla(SCI_HIDESELECTION, 1UL);
    background_ = palette().color(QPalette::Base);

    CharFormat standard;
    standard.points = TextPane::kStandardPoints;
    standard.face = QString::fromLatin1(TextPane::kStandardFace);
    styles_.assign(kStyleLimit, standard);
    styleUsed_.assign(kStyleLimit, false);
    for (int style = kFirstPredefinedStyle; style <= kLastPredefinedStyle; ++style)
        styleUsed_[style] = true;
    styleUsed_[kDefaultStyle] = true;
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(STYLE_DEFAULT), TextPane::kStandardFace);
    SendScintilla(SCI_STYLESETSIZE, static_cast<unsigned long>(STYLE_DEFAULT),
                  long(TextPane::kStandardPoints));
    SendScintilla(SCI_STYLESETFORE, static_cast<unsigned long>(STYLE_DEFAULT),
                  palette().color(QPalette::Text));
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), background_);
    SendScintilla(SCI_STYLECLEARALL);
    ConfigureStyle(kDefaultStyle);
    KeepStandardSize();
}

TextPane::~TextPane() {
    RecallLoan();
}

void TextPane::KeepStandardSize() {
    // Row N of one pane faces row N of the other only while both draw their rows equally high,
    // so the text keeps its standard size: the zoom keys do nothing and any zoom is undone.
    for (const auto command : {QsciCommand::ZoomIn, QsciCommand::ZoomOut}) {
        if (QsciCommand* zoom = standardCommands()->find(command)) {
            zoom->setKey(0);
            zoom->setAlternateKey(0);
        }
    }
    connect(this, &QsciScintillaBase::SCN_ZOOM, this, [this] {
        if (SendScintilla(SCI_GETZOOM) != 0)
            SendScintilla(SCI_SETZOOM, 0UL);
    });
}

bool TextPane::LoadFile(const QString& path, QString* error) {
    FileRead file = ReadRegularFile(path);
    if (!file.read) {
        if (error)
            *error = file.reason;
        return false;
    }
    PaneText text = DecodeFile(std::string_view(file.bytes.constData(), size_t(file.bytes.size())));
    // The bytes as read go before the pane takes its own copy of the text.
    file.bytes = QByteArray();
    SetFileText(std::move(text));
    stamp_ = file.stamp;
    return true;
}

bool TextPane::WriteFile(const QString& path, QString* error, bool asUtf8) {
    // The pane holds none of a binary file's bytes: writing it would empty the file.
    if (format_.Binary()) {
        if (error)
            *error = QStringLiteral("it is binary, so the window does not hold its bytes");
        return false;
    }
    const std::string bytes = FileBytes(asUtf8);
    if (!WriteFileBytes(path, bytes, error))
        return false;
    const QByteArray written = QByteArray::fromStdString(bytes);
    stamp_ = StampOf(written, QFileInfo(path).lastModified());
    return true;
}

void TextPane::SetFileText(PaneText text) {
    format_ = std::move(text.format);
    rows_ = std::move(text.rows);
    stamp_ = {};
    setUtf8(format_.utf8);
    // A file's text as read is shown in the standard look: no style bytes until it is coloured.
    ShowText(text.text, false);
}

void TextPane::MarkRowUtf8(int row) {
    if (row < 0 || row >= LineCount())
        return;
    if (rows_.size() < size_t(LineCount()))
        rows_.resize(size_t(LineCount()));
    rows_[size_t(row)].utf8 = true;
}

bool TextPane::HoldsUtf8Rows() const {
    return !format_.utf8 &&
           std::any_of(rows_.begin(), rows_.end(), [](const RowFormat& row) { return row.utf8; });
}

std::string TextPane::WholeText() const {
    const int length = TextLength();
    std::string text(size_t(length) + 1, '\0');
    SendScintilla(SCI_GETTEXT, static_cast<unsigned long>(length + 1),
                  static_cast<void*>(text.data()));
    text.resize(size_t(length));
    return text;
}

void TextPane::SetWholeText(std::string_view text) {
    ShowText(text, true);
}

void TextPane::ShowText(std::string_view text, bool withStyles) {
    EditText([&] { PutText(text, withStyles); });
    SendScintilla(SCI_CLEARDOCUMENTSTYLE);
    styled_ = false;
    FitScrollWidth(text);
}

std::string TextPane::StyledText() const {
    // The control's text range record, which its headers here do not carry.
    struct TextRange {
        long first;
        long end;
        char* cells;
    };
    const int length = TextLength();
    std::string cells(2 * size_t(length) + 2, '\0');
    TextRange range{0, long(length), cells.data()};
    SendScintilla(SCI_GETSTYLEDTEXT, 0UL, static_cast<void*>(&range));
    cells.resize(2 * size_t(length));
    return cells;
}

void TextPane::SetStyledText(const std::string& cells) {
    EditText([&] {
        PutText({}, true);
        SendScintilla(SCI_ADDSTYLEDTEXT, static_cast<uintptr_t>(cells.size()), cells.data());
    });
    styled_ = true;
    std::string text(cells.size() / 2, '\0');
    for (size_t at = 0; at < text.size(); ++at)
        text[at] = cells[2 * at];
    FitScrollWidth(text);
}

void TextPane::FitScrollWidth(std::string_view text) {
    // Scintilla widens its scroll range only for lines it has painted: start from the longest.
    std::string_view longest;
    for (size_t start = 0; start <= text.size();) {
        size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > longest.size())
            longest = text.substr(start, end - start);
        start = end + 1;
    }
    const std::string line(longest);
    const long width =
        SendScintilla(SCI_TEXTWIDTH, static_cast<uintptr_t>(kDefaultStyle), line.c_str());
    SendScintilla(SCI_SETSCROLLWIDTH, static_cast<unsigned long>(std::max(width, 1L)));
}

int TextPane::TextLength() const {
    return int(SendScintilla(SCI_GETLENGTH));
}

int TextPane::LineCount() const {
    return int(SendScintilla(SCI_GETLINECOUNT));
}

std::string TextPane::LineText(int line) const {
    if (line < 0 || line >= LineCount())
        return {};
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    std::string text(size_t(end - start) + 1, '\0');
    SendScintilla(SCI_GETTEXTRANGE, start, end, text.data());
    text.resize(size_t(end - start));
    return text;
}

int TextPane::LineStart(int line) const {
    if (line < 0 || line >= LineCount())
        return -1;
    return int(SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)));
}

int TextPane::LineOf(int position) const {
    position = std::clamp(position, 0, TextLength());
    return int(SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
}

int TextPane::PositionAt(QPoint point) const {
    return int(SendScintilla(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(point.x()),
                             long(point.y())));
}

QPoint TextPane::PointOf(int position) const {
    const auto at = static_cast<long>(position);
    return QPoint(int(SendScintilla(SCI_POINTXFROMPOSITION, 0UL, at)),
                  int(SendScintilla(SCI_POINTYFROMPOSITION, 0UL, at)));
}

int TextPane::FirstVisibleLine() const {
    return int(SendScintilla(SCI_GETFIRSTVISIBLELINE));
}

int TextPane::LineHeight() const {
    return int(SendScintilla(SCI_TEXTHEIGHT, 0UL));
}

void TextPane::SetSelection(int start, int end) {
    const int length = TextLength();
    // Neither call scrolls the caret into view. The caret goes first: with the anchor first, the
    // text between it and the old caret would be selected for a moment, and on X11 handed to
    // the system's selection.
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(std::clamp(end, 0, length)));
    SendScintilla(SCI_SETANCHOR, static_cast<unsigned long>(std::clamp(start, 0, length)));
}

int TextPane::SelectionStart() const {
    return int(SendScintilla(SCI_GETSELECTIONSTART));
}

int TextPane::SelectionEnd() const {
    return int(SendScintilla(SCI_GETSELECTIONEND));
}

CharFormat TextPane::SelectionFormat() const {
    const auto style = SendScintilla(SCI_GETSTYLEAT, static_cast<unsigned long>(SelectionStart()));
    CharFormat format = styles_[size_t(std::clamp(int(style), 0, kStyleLimit - 1))];
    format.mask = CharFormat::All;
    return format;
}

void TextPane::FormatRange(int from, int to, const CharFormat& change) {
    const int length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, 0, length);
    if (from > to)
        std::swap(from, to);
    if (from == to)
        return;
    if (!styled_) {
        RestyleRun(from, to, kDefaultStyle, change);
        return;
    }
    int runStart = from;
    int runStyle = -1;
    std::vector<char> slice;
    for (int sliceStart = from; sliceStart < to; sliceStart += kStyleSlice) {
        const int sliceEnd = std::min(to, sliceStart + kStyleSlice);
        slice.assign(2 * size_t(sliceEnd - sliceStart) + 2, '\0');
        SendScintilla(SCI_GETSTYLEDTEXT, long(sliceStart), long(sliceEnd), slice.data());
        for (int position = sliceStart; position < sliceEnd; ++position) {
            const int style =
                static_cast<unsigned char>(slice[2 * size_t(position - sliceStart) + 1]);
            if (style == runStyle)
                continue;
            if (runStyle >= 0)
                RestyleRun(runStart, position, runStyle, change);
            runStart = position;
            runStyle = style;
        }
    }
    RestyleRun(runStart, to, runStyle, change);
}

void TextPane::RestyleRun(int from, int to, int style, const CharFormat& change) {
    const int target = StyleFor(styles_[size_t(style)].Merged(change));
    if (target == style)
        return;
    if (!withStyles_)
        TakeStyles();
    SendScintilla(SCI_STARTSTYLING, static_cast<unsigned long>(from), 0L);
    SendScintilla(SCI_SETSTYLING, static_cast<unsigned long>(to - from), long(target));
    styled_ = styled_ || target != kDefaultStyle;
}

int TextPane::StyleFor(const CharFormat& look) {
    for (int style = 0; style < kStyleLimit; ++style) {
        const bool predefined = style >= kFirstPredefinedStyle && style <= kLastPredefinedStyle;
        if (styleUsed_[size_t(style)] && !predefined && styles_[size_t(style)].SameLook(look))
            return style;
    }
    const auto free = std::find(styleUsed_.begin(), styleUsed_.end(), false);
    // Every style in use: the text keeps the standard look rather than a wrong colour.
    if (free == styleUsed_.end())
        return kDefaultStyle;
    const auto style = int(free - styleUsed_.begin());
    *free = true;
    styles_[size_t(style)] = look;
    styles_[size_t(style)].mask = 0;
    ConfigureStyle(style);
    return style;
}

void TextPane::ConfigureStyle(int style) {
    const CharFormat& look = styles_[size_t(style)];
    const auto number = static_cast<unsigned long>(style);
    SendScintilla(SCI_STYLESETFONT, static_cast<uintptr_t>(style), look.face.toUtf8().constData());
    SendScintilla(SCI_STYLESETSIZE, number, long(look.points));
    SendScintilla(SCI_STYLESETFORE, number,
                  look.autoText ? palette().color(QPalette::Text) : look.text);
    SendScintilla(SCI_STYLESETBACK, number, look.autoBackground ? background_ : look.background);
    SendScintilla(SCI_STYLESETEOLFILLED, number, long(extendedBackground_));
}

void TextPane::SetExtendedBackground(bool on) {
    extendedBackground_ = on;
    for (int style = 0; style < kStyleLimit; ++style) {
        const bool predefined = style >= kFirstPredefinedStyle && style <= kLastPredefinedStyle;
        if (styleUsed_[size_t(style)] && !predefined)
            ConfigureStyle(style);
    }
}

void TextPane::changeEvent(QEvent* event) {
    QsciScintilla::changeEvent(event);
    // The base control paints its default style in the palette's colours whenever it is enabled,
    // disabled or given another palette; the pane keeps the colours it was given.
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        SetBackgroundColour(background_);
}

void TextPane::SetBackgroundColour(const QColor& colour) {
    background_ = colour;
    SendScintilla(SCI_STYLESETBACK, static_cast<unsigned long>(STYLE_DEFAULT), colour);
    SetExtendedBackground(extendedBackground_);
}

void TextPane::TakeStyles() {
    // The same text in a document with styles; what the user sees stays where it was.
    const std::string text = WholeText();
    const int firstLine = FirstVisibleLine();
    const int horizontalOffset = HorizontalOffset();
    const long scrollWidth = SendScintilla(SCI_GETSCROLLWIDTH);
    const int anchor = int(SendScintilla(SCI_GETANCHOR));
    const int caret = int(SendScintilla(SCI_GETCURRENTPOS));
    SuspendPainting();
    EditText([&] { PutText(text, true); });
    SendScintilla(SCI_SETSCROLLWIDTH, static_cast<unsigned long>(scrollWidth));
    SendScintilla(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(firstLine));
    SendScintilla(SCI_SETXOFFSET, static_cast<unsigned long>(horizontalOffset));
    SetSelection(anchor, caret);
    ResumePainting();
}

template <typename Edit> void TextPane::EditText(Edit edit) {
    RecallLoan();
    ++textChanges_;
    // Scintilla ignores every text change while it is read-only.
    SendScintilla(SCI_SETREADONLY, 0UL);
    edit();
    SendScintilla(SCI_SETREADONLY, 1UL);
}

void TextPane::ReplaceSelection(std::string_view text) {
    EditText([&] {
        SendScintilla(SCI_TARGETFROMSELECTION);
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(text.size()), text.data());
    });
}

void TextPane::ReplaceLine(int line, std::string_view text) {
    if (line < 0 || line >= LineCount())
        return;
    const long start = SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    EditText([&] {
        SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(text.size()), text.data());
    });
    if (size_t(line) < rows_.size())
        rows_[size_t(line)].utf8 = false;
}

void TextPane::DeleteLines(int first, int last) {
    const int count = LineCount();
    first = std::max(first, 0);
    last = std::min(last, count - 1);
    if (first > last)
        return;
    int from = LineStart(first);
    const int to = last + 1 < count ? LineStart(last + 1) : TextLength();
    // Deleting the last lines takes the line end before them, so no empty line is left behind.
    if (last + 1 >= count && first > 0)
        --from;
    const auto start = static_cast<unsigned long>(from);
    const long length = to - from;
    EditText([&] { SendScintilla(SCI_DELETERANGE, start, length); });
    if (size_t(first) < rows_.size())
        rows_.erase(rows_.begin() + first,
                    rows_.begin() + std::min(size_t(last) + 1, rows_.size()));
}

void TextPane::ScrollLines(int count) {
    SendScintilla(SCI_LINESCROLL, 0UL, long(count));
}

namespace {

void Scroll(QScrollBar* bar, ScrollRequest request, int thumb) {
    switch (request) {
    case ScrollRequest::LineUp:
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case ScrollRequest::LineDown:
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case ScrollRequest::PageUp:
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case ScrollRequest::PageDown:
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case ScrollRequest::Thumb:
        bar->setValue(thumb);
        break;
    case ScrollRequest::Top:
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case ScrollRequest::Bottom:
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    }
}

} // namespace

void TextPane::ScrollVertical(ScrollRequest request, int thumb) {
    Scroll(verticalScrollBar(), request, thumb);
}

void TextPane::ScrollHorizontal(ScrollRequest request, int thumb) {
    Scroll(horizontalScrollBar(), request, thumb);
}

int TextPane::HorizontalOffset() const {
    return int(SendScintilla(SCI_GETXOFFSET));
}

void TextPane::MakeRoomToScrollTo(int offset) {
    const int needed = offset + viewport()->width();
    if (SendScintilla(SCI_GETSCROLLWIDTH) < needed)
        SendScintilla(SCI_SETSCROLLWIDTH, static_cast<unsigned long>(needed));
}

QPoint TextPane::ScrollPosition() const {
    return QPoint(int(SendScintilla(SCI_GETXOFFSET)), FirstVisibleLine() * LineHeight());
}

void TextPane::SuspendPainting() {
    if (paintSuspended_++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void TextPane::ResumePainting() {
    if (paintSuspended_ == 0 || --paintSuspended_ > 0)
        return;
    viewport()->setUpdatesEnabled(true);
    viewport()->update();
}

void TextPane::contextMenuEvent(QContextMenuEvent* event) {
    event->ignore();
}

void TextPane::focusInEvent(QFocusEvent* event) {
    // Like a plain text control, the selection shows only while the pane has the focus.
    SendScintilla(SCI_HIDESELECTION, 0UL);
    QsciScintilla::focusInEvent(event);
}

void TextPane::focusOutEvent(QFocusEvent* event) {
    SendScintilla(SCI_HIDESELECTION, 1UL);
    QsciScintilla::focusOutEvent(event);
}

} // namespace tandem
