#include "standardoutput.h"

#include "toolerror.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tandem {

namespace {

// Output is handed over in blocks of at least this size.
constexpr size_t kBlockBytes = size_t{4} << 20;

} // namespace

void StandardOutput::Drain() {
    if (buffer_.size() >= kBlockBytes)
        Flush();
}

void StandardOutput::Flush() {
    size_t written = 0;
    while (written < buffer_.size()) {
        ssize_t done = write(STDOUT_FILENO, buffer_.data() + written, buffer_.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            throw ToolError(std::string("standard output: ") + std::strerror(errno));
        written += static_cast<size_t>(done);
    }
    buffer_.clear();
}

} // namespace tandem
