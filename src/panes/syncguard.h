// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide flag that keeps the scroll-position copy between the panes out of the way
// while the program scrolls both panes itself. Holding a SyncGuard sets it; the flag returns to
// what it was when the guard goes.
#pragma once

namespace tandem {

class SyncGuard {
public:
    SyncGuard() : wasHeld_(held_) { held_ = true; }
    ~SyncGuard() { held_ = wasHeld_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

    static bool Held() { return held_; }

private:
    inline static bool held_ = false;
    bool wasHeld_;
};

} // namespace tandem
