#include "terminal.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <sys/ioctl.h>
#include <unistd.h>

namespace tandem {

namespace {

// The width used when neither the terminal nor COLUMNS tells one: two 60-column texts fit.
constexpr int kDefaultWidth = 130;

int ColumnsVariable() {
    const char* text = std::getenv("COLUMNS");
    if (!text)
        return 0;
    int columns = 0;
    const char* end = text + std::strlen(text);
    auto [stop, error] = std::from_chars(text, end, columns);
    return error == std::errc() && stop == end && columns > 0 ? columns : 0;
}

} // namespace

int OutputWidth() {
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
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
