// A failure that ends tandemdiff with status 2: the message names the file or option and the
// reason.
#pragma once

#include <stdexcept>
#include <string>

namespace tandem {

class ToolError : public std::runtime_error {
public:
    explicit ToolError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace tandem
