// SPDX-License-Identifier: GPL-3.0-or-later
// The text control both difference panes are made of: read-only for the user, no wrapping, no
// undo, no margins. It holds a file's bytes unchanged with LF as the line end, so positions are
// byte offsets and a line end counts as one position. Colours are Scintilla styles, one per look.
#pragma once

#include "toolkit/charformat.h"
#include "toolkit/filereading.h"
#include "toolkit/panefile.h"
#include "toolkit/textloan.h"

#include <Qsci/qsciscintilla.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tandem {

// Scroll requests, numbered like the scroll bar requests the scrolling code forwards.
enum class ScrollRequest {
    LineUp = 0, // line left for horizontal scrolling
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    Thumb = 4,
    Top = 6,
    Bottom = 7
};

class TextPane : public QsciScintilla {
    Q_OBJECT
public:
    // The panes' standard character format.
    static constexpr int kStandardPoints = 8;
    static constexpr const char* kStandardFace = "Courier New";

    explicit TextPane(QWidget* parent = nullptr);
    ~TextPane() override;

    // Files. Both return false and set error (for the user) on failure; a failed load leaves
    // the pane as it was, a failed write the file. Only regular files up to FileSizeLimit()
    // are read. asUtf8 writes a Latin-1 file as UTF-8. A binary file loads as an empty pane
    // and is never written. A file's text is held without style bytes (half the memory) until
    // something in it is first given a look other than the standard one.
    bool LoadFile(const QString& path, QString* error = nullptr);
    bool WriteFile(const QString& path, QString* error = nullptr, bool asUtf8 = false);
    void SetFileText(PaneText text);
    const FileFormat& Format() const { return format_; }
    std::string FileBytes(bool asUtf8 = false) const {
        return EncodeFile(WholeText(), format_, rows_, asUtf8);
    }
    // What the file held when it was read or last written; size -1 for no file.
    const FileStamp& Stamp() const { return stamp_; }

    // Each row's line end and encoding, kept in step with the rows by the edits below; the
    // comparison hands them on to its aligned rows.
    const std::vector<RowFormat>& RowFormats() const { return rows_; }
    void SetRowFormats(std::vector<RowFormat> rows) { rows_ = std::move(rows); }
    void MarkRowUtf8(int row);
    // A pane shown as Latin-1 that holds UTF-8 rows: its file cannot be written as it was.
    bool HoldsUtf8Rows() const;

    // Whole text: lines separated by LF. Setting it drops every character format.
    std::string WholeText() const;
    void SetWholeText(std::string_view text);
    // The text with the style of every byte, as SetStyledText takes it back: the colours drawn
    // so far come back with the text.
    std::string StyledText() const;
    void SetStyledText(const std::string& cells);
    int TextLength() const;
    // The whole text lent, without a copy, to a reader on another thread that stops early when
    // `stopRequest` is set. Until the reader returns the loan the text stays as it is: changing
    // it, or freeing the pane, first recalls the loan.
    std::shared_ptr<TextLoan> LendText(std::atomic<bool>& stopRequest);
    // Counts the changes to the text, so that what was read of it can be known to be current.
    unsigned long TextChanges() const { return textChanges_; }

    int LineCount() const;
    std::string LineText(int line) const; // without its line end; empty outside the text
    int LineStart(int line) const;        // -1 beyond the last line
    int LineOf(int position) const;

    // Client coordinates of the text area.
    int PositionAt(QPoint point) const;
    QPoint PointOf(int position) const;
    int FirstVisibleLine() const;
    int LineHeight() const;

    // Setting the selection never scrolls.
    void SetSelection(int start, int end);
    void SetSelectionLength(int start, int length) { SetSelection(start, start + length); }
    int SelectionStart() const;
    int SelectionEnd() const;

    // The format of the first selected character (of the one at the caret without selection).
    CharFormat SelectionFormat() const;
    // Gives exactly the selected characters the masked fields of format.
    void ApplyFormat(const CharFormat& format) {
        FormatRange(SelectionStart(), SelectionEnd(), format);
    }
    // The same for the characters from `from` up to `to`, leaving the selection alone: a
    // selection made by the program would also hand the text to the system's selection.
    void FormatRange(int from, int to, const CharFormat& format);
    // Coloured line ends fill the rest of their row with their background.
    void SetExtendedBackground(bool on);
    void SetBackgroundColour(const QColor& colour);
    QColor BackgroundColour() const { return background_; }

    // Edits made by the program; the selection stays on the same text where it can. A replaced
    // line keeps its row's line end.
    void ReplaceSelection(std::string_view text);
    void ReplaceLine(int line, std::string_view text);
    void DeleteLines(int first, int last);

    void ScrollLines(int count);
    void ScrollVertical(ScrollRequest request, int thumb = 0);
    void ScrollHorizontal(ScrollRequest request, int thumb = 0);
    QPoint ScrollPosition() const; // pixels: horizontal offset, first visible line x line height
    int HorizontalOffset() const;  // pixels
    // Widens the horizontal scroll range, when needed, so that the offset can be reached.
    void MakeRoomToScrollTo(int offset);

    // Nested pairs; painting resumes with one repaint when the outermost pair ends.
    void SuspendPainting();
    void ResumePainting();

protected:
    // The pane has no menu of its own; the window shows its own menu where it wants one.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void KeepStandardSize();
    int StyleFor(const CharFormat& look);
    void ConfigureStyle(int style);
    void FitScrollWidth(std::string_view text);
    void RestyleRun(int from, int to, int style, const CharFormat& change);
    template <typename Edit> void EditText(Edit edit);
    void ShowText(std::string_view text, bool withStyles);
    // The whole text in place of the old one, in this document or a new one; inside EditText.
    void PutText(std::string_view text, bool withStyles);
    void UseNewDocument(bool withStyles);
    // Gives a text held without styles its style bytes, before it is first coloured.
    void TakeStyles();
    void RecallLoan();

    FileFormat format_;
    std::vector<RowFormat> rows_;
    FileStamp stamp_;
    std::vector<CharFormat> styles_; // looks by style number; unused numbers hold the default
    std::vector<bool> styleUsed_;
    QColor background_;
    bool extendedBackground_ = false;
    bool styled_ = false; // some text has a style other than the default one
    int paintSuspended_ = 0;
    bool withStyles_ = true; // the document keeps a style byte beside each character
    std::shared_ptr<TextLoan> loan_;
    unsigned long textChanges_ = 0;
};

} // namespace tandem
