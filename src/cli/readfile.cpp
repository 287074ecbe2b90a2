#include "readfile.h"

#include "toolerror.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem {

namespace {

// The engine indexes lines and rows with 32-bit integers.
constexpr size_t kLargestFile = INT32_MAX;
// Read size for inputs whose length is not known in advance (pipes, terminals).
constexpr size_t kReadChunk = size_t{1} << 20;

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw ToolError(path + ": " + reason);
}

// Closes the descriptor however the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ > STDERR_FILENO)
            close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

int OpenForReading(const std::string& path) {
    if (path == "-")
        return STDIN_FILENO;
    int fd;
    do
        fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        Fail(path, std::strerror(errno));
    return fd;
}

// Reads until end of file; the size of a regular file is only a hint, since it may change.
std::string ReadAll(const std::string& path, int fd, size_t expected) {
    std::string bytes;
    bytes.resize(expected > 0 ? expected + 1 : kReadChunk);
    size_t filled = 0;
    while (true) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + std::max(kReadChunk, bytes.size() / 2));
        ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(path, std::strerror(errno));
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
        if (filled > kLargestFile)
            Fail(path, "file too large (the limit is 2 GiB)");
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

std::string ReadWholeFile(const std::string& path) {
    Descriptor file(OpenForReading(path));
    struct stat status {};
    if (fstat(file.Get(), &status) != 0)
        Fail(path, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        Fail(path, std::strerror(EISDIR));
    size_t expected = 0;
    if (S_ISREG(status.st_mode)) {
        if (static_cast<uint64_t>(status.st_size) > kLargestFile)
            Fail(path, "file too large (the limit is 2 GiB)");
        expected = static_cast<size_t>(status.st_size);
    }
    return ReadAll(path, file.Get(), expected);
}

} // namespace tandem
