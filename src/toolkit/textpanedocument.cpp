// SPDX-License-Identifier: GPL-3.0-or-later
// The pane's document: whole texts going in, with or without a style byte beside every
// character, and the text lent to a reader on another thread.
#include "toolkit/textpane.h"

namespace tandem {

namespace {

// A whole text goes into the control in slices of at most this many bytes: the control hands
// every insertion to its accessibility interface as a UTF-16 copy, twice the slice's size, with
// its place counted in characters from the start, so the slices go in from the last one back.
constexpr size_t kInsertSlice = size_t{1} << 20;
// Left free after a whole text, so that handing out the buffer as one piece needs no larger one.
constexpr size_t kSpareRoom = 16;

bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Where the last slice of text starts: after a line end within the limit, or else at a
// character boundary.
size_t LastSliceStart(std::string_view text) {
    if (text.size() <= kInsertSlice)
        return 0;
    const size_t earliest = text.size() - kInsertSlice;
    const size_t lineEnd = text.find('\n', earliest);
    if (lineEnd != std::string_view::npos && lineEnd + 1 < text.size())
        return lineEnd + 1;
    size_t start = earliest;
    while (start < text.size() && ContinuesCharacter(text[start]))
        ++start;
    return start < text.size() ? start : earliest;
}

} // namespace

void TextPane::PutText(std::string_view text, bool withStyles) {
    if (withStyles != withStyles_)
        UseNewDocument(withStyles);
    else
        SendScintilla(SCI_CLEARALL);
    // Room for all of it first, so the slices never make the buffers move.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(text.size() + kSpareRoom));
    for (std::string_view rest = text; !rest.empty();) {
        const size_t start = LastSliceStart(rest);
        SendScintilla(SCI_SETTARGETRANGE, 0UL, 0L);
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(rest.size() - start),
                      rest.data() + start);
        rest.remove_suffix(rest.size() - start);
    }
}

void TextPane::UseNewDocument(bool withStyles) {
    // What belongs to the document rather than to the view goes over to the new one.
    const long codePage = SendScintilla(SCI_GETCODEPAGE);
    const long lineEndMode = SendScintilla(SCI_GETEOLMODE);
    const long tabWidth = SendScintilla(SCI_GETTABWIDTH);
    const long lexer = SendScintilla(SCI_GETLEXER);
    const long readOnly = SendScintilla(SCI_GETREADONLY);
    const long options = withStyles ? SC_DOCUMENTOPTION_DEFAULT : SC_DOCUMENTOPTION_STYLES_NONE;
    auto* document = reinterpret_cast<void*>(SendScintilla(SCI_CREATEDOCUMENT, 0UL, options));
    // The view takes its own reference and lets go of the old document, which goes with it.
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document);
    SendScintilla(SCI_RELEASEDOCUMENT, 0UL, document);
    SendScintilla(SCI_SETCODEPAGE, static_cast<unsigned long>(codePage));
    SendScintilla(SCI_SETEOLMODE, static_cast<unsigned long>(lineEndMode));
    SendScintilla(SCI_SETTABWIDTH, static_cast<unsigned long>(tabWidth));
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(lexer));
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_SETREADONLY, static_cast<unsigned long>(readOnly));
    withStyles_ = withStyles;
}

std::shared_ptr<TextLoan> TextPane::LendText(std::atomic<bool>& stopRequest) {
    RecallLoan();
    // The control's buffer, closed up into one piece; it stays where it is until the text changes.
    const auto address = SendScintilla(SCI_GETCHARACTERPOINTER);
    loan_ = std::make_shared<TextLoan>(
        std::string_view(reinterpret_cast<const char*>(address), size_t(TextLength())),
        stopRequest);
    return loan_;
}

void TextPane::RecallLoan() {
    if (!loan_)
        return;
    loan_->Recall();
    loan_.reset();
}

} // namespace tandem
