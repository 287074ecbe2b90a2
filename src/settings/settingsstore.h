// SPDX-License-Identifier: GPL-3.0-or-later
// A window's settings: text values, lists of texts and the window's placement, kept per section
// in the user's own store (Vantrelsoft / program name / section). Nothing is cached: every read
// and write goes to the store at once, so two running copies see each other's last writes. A
// store that cannot be read or written gives empty values and takes nothing, without a word.
#pragma once

#include "toolkit/stringlist.h"

#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tandem {

class SettingsStore {
public:
    // At most this many items of a list are read back.
    static constexpr int kListReadLimit = 10;
    // A restored window is at least this large unless told otherwise.
    static constexpr int kSmallestWidth = 200;
    static constexpr int kSmallestHeight = 100;

    explicit SettingsStore(QWidget* owner);
    // Saves the owner's placement.
    ~SettingsStore();

    void SetSectionName(std::string name) { section_ = std::move(name); }

    // Left, Top, Width and Height of the section, a missing or broken one keeping the owner's
    // own value; nothing at all when the section does not exist (the owner keeps the place its
    // constructor gave it). The result is brought onto the available screen area, no smaller
    // than the smallest size set here and the owner's minimum size.
    void RestorePlacement();
    // The smallest size a restored placement gets, so that every control shows.
    void SetSmallestSize(QSize size) { smallest_ = size; }
    // The owner's normal (restored) place and size whatever its state, and whether it shows.
    void SavePlacement();

    void WriteString(std::string_view name, std::string_view text);
    // Empty when the value is missing or not a text value.
    std::string ReadString(std::string_view name) const;
    // Writes items 0..n-1; items with higher numbers already stored stay.
    void WriteList(std::string_view name, const StringList& list);
    // Items from 0 up to the first empty or missing one, at most kListReadLimit; none: no list.
    std::optional<StringList> ReadList(std::string_view name) const;

    // Where the running program's settings are kept: the INI file (the user's configuration
    // folder, $XDG_CONFIG_HOME or else ~/.config, then Vantrelsoft/<program>.ini) or, on
    // Windows, the registry key HKEY_CURRENT_USER\Software\Vantrelsoft\<program>.
    static QString Location();
    // Forgets every stored value of every section of the running program (tests start from a
    // first run; they run with a configuration folder of their own).
    static void ForgetAll();

private:
    QPointer<QWidget> owner_;
    std::string section_;
    bool placementEnabled_ = true;
    // Even a window without controls keeps a size it can be found and grabbed at.
    QSize smallest_{kSmallestWidth, kSmallestHeight};
};

std::unique_ptr<SettingsStore> CreateSettingsStore(QWidget* owner);

} // namespace tandem
