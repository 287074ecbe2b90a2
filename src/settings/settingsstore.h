// SPDX-License-Identifier: GPL-3.0-or-later
// A window's settings: text values, lists of texts and the window's placement, kept per section.
// This store keeps them in memory for the run of the program only.
#pragma once

#include "toolkit/stringlist.h"

#include <QPointer>
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

    explicit SettingsStore(QWidget* owner);
    // Saves the owner's placement.
    ~SettingsStore();

    void SetSectionName(std::string name) { section_ = std::move(name); }
    const std::string& SectionName() const { return section_; }

    void RestorePlacement();
    void SavePlacement();

    void WriteString(std::string_view name, std::string_view text);
    // Empty when the value is missing.
    std::string ReadString(std::string_view name) const;
    // Writes items 0..n-1; items with higher numbers already stored stay.
    void WriteList(std::string_view name, const StringList& list);
    // Items from 0 up to the first empty or missing one, at most kListReadLimit; none: no list.
    std::optional<StringList> ReadList(std::string_view name) const;

    // Forgets every stored value of every section (tests start from a first run).
    static void ForgetAll();

private:
    QPointer<QWidget> owner_;
    std::string section_;
    bool placementEnabled_ = true;
};

std::unique_ptr<SettingsStore> CreateSettingsStore(QWidget* owner);

} // namespace tandem
