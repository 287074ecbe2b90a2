// SPDX-License-Identifier: GPL-3.0-or-later
// The application object's caption, the program's name, which the question boxes wear. It is
// kept apart from Qt's application display name because Qt would append that name to the title
// of every window, so that no window would show exactly its own caption.
#pragma once

#include <QString>

namespace tandem {

void SetApplicationCaption(const QString& caption);
QString ApplicationCaption();

} // namespace tandem
