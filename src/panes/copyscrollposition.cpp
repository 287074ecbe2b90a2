// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/copyscrollposition.h"

#include "panes/forwardingpane.h"
#include "panes/syncguard.h"
#include "toolkit/textpane.h"

#include <QScrollBar>

namespace tandem {

namespace {

// Tries at moving the target before giving up on a position it will not take.
constexpr int kMostScrollTries = 4;

void CopyPosition(QScrollBar* source, QScrollBar* target) {
    for (int tries = 0; tries < kMostScrollTries; ++tries) {
        const int was = target->value();
        if (was == source->value())
            return;
        target->setValue(source->value());
        // A shorter target stops at its end; asking again would change nothing.
        if (target->value() == was)
            return;
    }
}

} // namespace

void CopyScrollPosition(TextPane& source, TextPane& target) {
    if (SyncGuard::Held() || ForwardingPane::Current() == &target)
        return;
    const SyncGuard guard;
    source.setFocus();
    CopyPosition(source.verticalScrollBar(), target.verticalScrollBar());
    CopyPosition(source.horizontalScrollBar(), target.horizontalScrollBar());
}

} // namespace tandem
