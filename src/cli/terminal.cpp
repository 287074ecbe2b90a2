#include "terminal.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tandem {

namespace {

// The width used when neither the terminal nor COLUMNS tells one: two 60-column texts fit.
constexpr int kDefaultWidth = 130;

// Within the bounds that --width has, so that no setting can make a row absurdly wide.
int Bounded(int64_t columns) {
    return static_cast<int>(std::clamp<int64_t>(columns, kNarrowestWidth, kWidestWidth));
}

// COLUMNS as a positive number of columns, or 0 when it is unset or not a number.
int ColumnsVariable() {
    const char* text = std::getenv("COLUMNS");
    if (!text)
        return 0;
    int64_t columns = 0;
    const char* end = text + std::strlen(text);
    auto [stop, error] = std::from_chars(text, end, columns);
    if (stop != end || stop == text)
        return 0;
    if (error == std::errc::result_out_of_range)
        return text[0] == '-' ? 0 : kWidestWidth;
    return error == std::errc() && columns > 0 ? Bounded(columns) : 0;
}

} // namespace

int OutputWidth() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return Bounded(size.ws_col);
    if (int columns = ColumnsVariable(); columns > 0)
        return columns;
    return kDefaultWidth;
}

bool ShouldColour(ColourWhen when) {
    if (when != ColourWhen::Auto)
        return when == ColourWhen::Always;
    const char* terminal = std::getenv("TERM");
    return isatty(STDOUT_FILENO) && !(terminal && std::strcmp(terminal, "dumb") == 0);
}

} // namespace tandem
