// SPDX-License-Identifier: GPL-3.0-or-later
// A pane's own bytes lent to a reader on another thread, so that a long read needs no copy of a
// large text. While the loan stands the lender keeps the bytes as they are; a lender that must
// change or free them first recalls the loan: the reader is asked to stop and waited for.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string_view>

namespace tandem {

class TextLoan {
public:
    // `stopRequest` is what the reader watches to stop early; it must stay valid until the
    // reader returns the loan.
    TextLoan(std::string_view text, std::atomic<bool>& stopRequest)
        : text_(text), stopRequest_(stopRequest) {}
    TextLoan(const TextLoan&) = delete;
    TextLoan& operator=(const TextLoan&) = delete;

    // Valid until the reader returns the loan.
    std::string_view Text() const { return text_; }
    // The reader's side: it reads no more.
    void Return();
    bool Returned() const;
    // The lender's side: stops the reader and waits until it has returned the loan.
    void Recall();

private:
    std::string_view text_;
    std::atomic<bool>& stopRequest_;
    mutable std::mutex mutex_;
    std::condition_variable returnedSignal_;
    bool returned_ = false;
};

} // namespace tandem
