#include "readfile.h"

#include "toolerror.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tandem {

namespace {

// The engine indexes lines and rows with 32-bit integers.
constexpr uint64_t kLargestIndexedFile = INT32_MAX;
// One input may take this part of the memory: the comparison holds both files, a view and a key
// for every line and its output, about four times the two files together.
constexpr uint64_t kMemoryShare = 8;
// Read size for inputs whose length is not known in advance (pipes, terminals, devices).
constexpr size_t kReadChunk = size_t{1} << 20;
constexpr uint64_t kMebibyte = uint64_t{1} << 20;

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw ToolError(path + ": " + reason);
}

[[noreturn]] void FailTooLarge(const std::string& path) {
    const size_t largest = LargestInputFile();
    const char* reason = largest < kLargestIndexedFile ? ", an eighth of the memory available" : "";
    Fail(path, "file too large (the limit is " + std::to_string(largest / kMebibyte) + " MiB" +
                   reason + ")");
}

// Physical memory, or less when the process is limited to less address space or data.
uint64_t AvailableMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    uint64_t memory = pages > 0 && pageSize > 0
                          ? static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize)
                          : UINT64_MAX;
    for (int resource : {RLIMIT_AS, RLIMIT_DATA}) {
        rlimit limit{};
        if (getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
            memory = std::min<uint64_t>(memory, limit.rlim_cur);
    }
    return memory;
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

// Reads until end of file; the size of a regular file is only a hint, since it may change. The
// buffer never grows past one byte more than the limit, which is how an endless input is caught.
std::string ReadAll(const std::string& path, int fd, size_t expected) {
    const size_t largest = LargestInputFile();
    std::string bytes;
    bytes.resize(std::min(largest + 1, expected > 0 ? expected + 1 : kReadChunk));
    size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (filled > largest)
                FailTooLarge(path);
            bytes.resize(std::min(largest + 1, bytes.size() + std::max(kReadChunk, filled / 2)));
        }
        ssize_t got = read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(path, std::strerror(errno));
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    if (filled > largest)
        FailTooLarge(path);
    bytes.resize(filled);
    return bytes;
}

timespec Now() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

} // namespace

size_t LargestInputFile() {
    static const size_t largest =
        static_cast<size_t>(std::min(kLargestIndexedFile, AvailableMemory() / kMemoryShare));
    return largest;
}

InputContents ReadInputFile(const std::string& path) {
    Descriptor file(OpenForReading(path));
    struct stat status {};
    if (fstat(file.Get(), &status) != 0)
        Fail(path, std::strerror(errno));
    if (S_ISDIR(status.st_mode))
        Fail(path, std::strerror(EISDIR));
    InputContents contents;
    size_t expected = 0;
    if (S_ISREG(status.st_mode)) {
        if (static_cast<uint64_t>(status.st_size) > LargestInputFile())
            FailTooLarge(path);
        expected = static_cast<size_t>(status.st_size);
        contents.modified = status.st_mtim;
    } else {
        contents.modified = Now();
    }
    contents.bytes = ReadAll(path, file.Get(), expected);
    return contents;
}

} // namespace tandem
