// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/textloan.h"

namespace tandem {

void TextLoan::Return() {
    {
        const std::lock_guard lock(mutex_);
        returned_ = true;
    }
    returnedSignal_.notify_all();
}

bool TextLoan::Returned() const {
    const std::lock_guard lock(mutex_);
    return returned_;
}

void TextLoan::Recall() {
    std::unique_lock lock(mutex_);
    if (returned_)
        return;
    stopRequest_ = true;
    returnedSignal_.wait(lock, [this] { return returned_; });
}

} // namespace tandem
