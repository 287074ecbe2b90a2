// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "settings/settingnames.h"

#include <map>

namespace tandem {

namespace {

struct Section {
    std::map<std::string, std::string, std::less<>> texts;
    std::map<std::string, int, std::less<>> numbers;
    std::map<std::string, std::map<int, std::string>, std::less<>> lists;
};

std::map<std::string, Section, std::less<>>& Sections() {
    static std::map<std::string, Section, std::less<>> sections;
    return sections;
}

int ReadNumber(const Section& section, const char* name) {
    const auto found = section.numbers.find(name);
    return found == section.numbers.end() ? 0 : found->second;
}

} // namespace

SettingsStore::SettingsStore(QWidget* owner) : owner_(owner) {}

SettingsStore::~SettingsStore() {
    SavePlacement();
}

void SettingsStore::RestorePlacement() {
    const auto found = Sections().find(section_);
    if (!placementEnabled_ || !owner_ || found == Sections().end())
        return;
    const Section& section = found->second;
    owner_->move(ReadNumber(section, settings::kLeft), ReadNumber(section, settings::kTop));
    owner_->resize(ReadNumber(section, settings::kWidth), ReadNumber(section, settings::kHeight));
}

void SettingsStore::SavePlacement() {
    if (!placementEnabled_ || !owner_)
        return;
    // The normal rectangle, whatever the window's state.
    const QRect normal = owner_->isMaximized() || owner_->isMinimized() ? owner_->normalGeometry()
                                                                        : owner_->frameGeometry();
    Section& section = Sections()[section_];
    section.numbers[settings::kLeft] = normal.left();
    section.numbers[settings::kTop] = normal.top();
    section.numbers[settings::kWidth] = normal.width();
    section.numbers[settings::kHeight] = normal.height();
    section.numbers[settings::kShow] = owner_->isVisible() ? 1 : 0;
}

void SettingsStore::WriteString(std::string_view name, std::string_view text) {
    Sections()[section_].texts[std::string(name)] = std::string(text);
}

std::string SettingsStore::ReadString(std::string_view name) const {
    const auto section = Sections().find(section_);
    if (section == Sections().end())
        return {};
    const auto found = section->second.texts.find(name);
    return found == section->second.texts.end() ? std::string() : found->second;
}

void SettingsStore::WriteList(std::string_view name, const StringList& list) {
    auto& items = Sections()[section_].lists[std::string(name)];
    for (int index = 0; index < list.Count(); ++index)
        items[index] = list.Item(index);
}

std::optional<StringList> SettingsStore::ReadList(std::string_view name) const {
    const auto section = Sections().find(section_);
    if (section == Sections().end())
        return std::nullopt;
    const auto found = section->second.lists.find(name);
    if (found == section->second.lists.end())
        return std::nullopt;
    StringList list;
    for (int index = 0; index < kListReadLimit; ++index) {
        const auto item = found->second.find(index);
        if (item == found->second.end() || item->second.empty())
            break;
        list.Add(item->second);
    }
    if (list.Count() == 0)
        return std::nullopt;
    return list;
}

void SettingsStore::ForgetAll() {
    Sections().clear();
}

std::unique_ptr<SettingsStore> CreateSettingsStore(QWidget* owner) {
    return std::make_unique<SettingsStore>(owner);
}

} // namespace tandem
