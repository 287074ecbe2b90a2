// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide claim that stops the panes from echoing scrolling back and forth: the pane
// whose event claims it forwards to the other pane, and what the other pane receives meanwhile
// (and what the forwarding pane sends itself) is not forwarded again.
#pragma once

namespace tandem {

class TextPane;

class ForwardingPane {
public:
    // Claims the forwarding for pane when no forwarding is in progress.
    explicit ForwardingPane(const TextPane* pane) : claimed_(current_ == nullptr) {
        if (claimed_)
            current_ = pane;
    }
    ~ForwardingPane() {
        if (claimed_)
            current_ = nullptr;
    }
    ForwardingPane(const ForwardingPane&) = delete;
    ForwardingPane& operator=(const ForwardingPane&) = delete;

    // True when this claim is the one in force: its pane may forward.
    bool Claimed() const { return claimed_; }
    // The pane that forwards now; null at rest.
    static const TextPane* Current() { return current_; }

private:
    inline static const TextPane* current_ = nullptr;
    bool claimed_;
};

} // namespace tandem
