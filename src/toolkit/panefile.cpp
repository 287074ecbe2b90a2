// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/panefile.h"

namespace tandem {

namespace {

// A file without any line end gets the line end of the system it is written on.
constexpr LineEnd kPlatformLineEnd = LineEnd::Lf;

std::string_view LineEndBytes(LineEnd lineEnd) {
    switch (lineEnd == LineEnd::None ? kPlatformLineEnd : lineEnd) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Cr:
        return "\r";
    default:
        return "\n";
    }
}

// The UTF-8 byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line end that follows a line cut out of bytes.
LineEnd LineEndAfter(std::string_view bytes, std::string_view line) {
    const size_t at = size_t(line.data() - bytes.data()) + line.size();
    if (at >= bytes.size())
        return LineEnd::None;
    if (bytes[at] == '\n')
        return LineEnd::Lf;
    return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

// The most common of the rows' line ends; the earliest wins a tie.
LineEnd MostCommonLineEnd(const std::vector<RowFormat>& rows) {
    constexpr int kStyles = 4;
    int counts[kStyles] = {};
    int firstSeen[kStyles] = {};
    for (size_t row = 0; row < rows.size(); ++row) {
        const auto style = size_t(rows[row].lineEnd);
        if (rows[row].lineEnd != LineEnd::None && counts[style]++ == 0)
            firstSeen[style] = int(row);
    }
    LineEnd best = LineEnd::None;
    for (LineEnd style : {LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr}) {
        const auto index = size_t(style);
        const auto bestIndex = size_t(best);
        if (counts[index] > counts[bestIndex] ||
            (counts[index] > 0 && counts[index] == counts[bestIndex] &&
             firstSeen[index] < firstSeen[bestIndex]))
            best = style;
    }
    return best;
}

void AppendLatin1AsUtf8(std::string& bytes, std::string_view line) {
    for (const char byte : line) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80) {
            bytes += byte;
            continue;
        }
        bytes += char(0xC0 | (code >> 6));
        bytes += char(0x80 | (code & 0x3F));
    }
}

} // namespace

PaneText DecodeFile(std::string_view file) {
    PaneText result;
    const FileText read = ReadFileText(file);
    if (read.binary) {
        result.format.binaryReason = read.binaryReason;
        return result;
    }
    result.format.encoding = read.encoding;
    std::string_view bytes = read.TextOf(file);
    const bool wide = read.encoding != WideEncoding::None;
    result.format.utf8 = wide || IsValidUtf8(bytes);
    result.format.byteOrderMark = !wide && result.format.utf8 && bytes.starts_with(kByteOrderMark);
    if (result.format.byteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    TextLines split = SplitLines(bytes);
    result.format.endsWithLineEnd = split.endsWithLineEnd;
    result.text.reserve(bytes.size());
    result.rows.resize(split.lines.size());
    for (size_t i = 0; i < split.lines.size(); ++i) {
        if (i > 0)
            result.text += '\n';
        result.text += split.lines[i];
        result.rows[i].lineEnd = LineEndAfter(bytes, split.lines[i]);
    }
    result.format.lineEnd = MostCommonLineEnd(result.rows);
    return result;
}

std::string EncodeFile(std::string_view paneText, const FileFormat& format,
                       const std::vector<RowFormat>& rows, bool asUtf8) {
    const bool convert = asUtf8 && !format.utf8;
    const auto lineEndOf = [&](size_t row) {
        const LineEnd own = row < rows.size() ? rows[row].lineEnd : LineEnd::None;
        return LineEndBytes(own == LineEnd::None ? format.lineEnd : own);
    };
    const auto append = [&](std::string& bytes, size_t row, std::string_view line) {
        if (convert && !(row < rows.size() && rows[row].utf8))
            AppendLatin1AsUtf8(bytes, line);
        else
            bytes += line;
    };
    std::string bytes;
    bytes.reserve(paneText.size() + paneText.size() / 16 + kByteOrderMark.size());
    if (format.byteOrderMark)
        bytes += kByteOrderMark;
    size_t start = 0;
    size_t row = 0;
    for (size_t end = paneText.find('\n'); end != std::string_view::npos;
         end = paneText.find('\n', start), ++row) {
        append(bytes, row, paneText.substr(start, end - start));
        bytes += lineEndOf(row);
        start = end + 1;
    }
    append(bytes, row, paneText.substr(start));
    if (format.endsWithLineEnd)
        bytes += lineEndOf(row);
    if (format.encoding != WideEncoding::None)
        return EncodeWide(bytes, format.encoding);
    return bytes;
}

} // namespace tandem
