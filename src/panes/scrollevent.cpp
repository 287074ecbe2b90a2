// SPDX-License-Identifier: GPL-3.0-or-later
#include "panes/scrollevent.h"

namespace tandem {

QEvent::Type ScrollEvent::Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace tandem
