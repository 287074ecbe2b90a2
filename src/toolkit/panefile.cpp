// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/panefile.h"

#include <QByteArrayView>
#include <QStringDecoder>

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

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString ignored = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

PaneText DecodeFile(std::string_view bytes) {
    TextLines split = SplitLines(bytes);
    PaneText result;
    result.format.utf8 = IsValidUtf8(bytes);
    result.format.lineEnd = split.firstLineEnd;
    result.format.endsWithLineEnd = split.endsWithLineEnd;
    result.text.reserve(bytes.size());
    for (size_t i = 0; i < split.lines.size(); ++i) {
        if (i > 0)
            result.text += '\n';
        result.text += split.lines[i];
    }
    return result;
}

std::string EncodeFile(std::string_view paneText, const FileFormat& format) {
    const std::string_view lineEnd = LineEndBytes(format.lineEnd);
    std::string bytes;
    bytes.reserve(paneText.size() + paneText.size() / 16);
    size_t start = 0;
    for (size_t end = paneText.find('\n'); end != std::string_view::npos;
         end = paneText.find('\n', start)) {
        bytes += paneText.substr(start, end - start);
        bytes += lineEnd;
        start = end + 1;
    }
    bytes += paneText.substr(start);
    if (format.endsWithLineEnd)
        bytes += lineEnd;
    return bytes;
}

} // namespace tandem
