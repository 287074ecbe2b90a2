// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration folder of the test's own, so that tests never meet each other's settings nor
// the user's: the store is looked up afresh at every operation.
#pragma once

#include "settings/settingsstore.h"

#include <QByteArray>
#include <QTemporaryDir>

namespace tandem {

class TempConfig {
public:
    TempConfig() : previous_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
    }
    ~TempConfig() { qputenv("XDG_CONFIG_HOME", previous_); }

    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

} // namespace tandem
