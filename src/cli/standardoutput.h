// Standard output written in large blocks, with a failed write reported instead of ignored.
#pragma once

#include <string>
#include <string_view>

namespace tandem {

class StandardOutput {
public:
    // The buffer callers append to; Flush or Drain hands it to standard output.
    std::string& Buffer() { return buffer_; }
    // Writes the buffer once it has grown large enough to be worth a system call.
    void Drain();
    // Writes everything; throws ToolError when standard output refuses it.
    void Flush();

private:
    std::string buffer_;
};

} // namespace tandem
