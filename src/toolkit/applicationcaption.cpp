// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/applicationcaption.h"

namespace tandem {

namespace {

QString& StoredCaption() {
    static QString caption;
    return caption;
}

} // namespace

void SetApplicationCaption(const QString& caption) {
    StoredCaption() = caption;
}

QString ApplicationCaption() {
    return StoredCaption();
}

} // namespace tandem
