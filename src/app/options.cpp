// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's options: loading them from the settings store and saving them back. Colours
// are stored as colour codes in decimal text, RGB or (negative) a system colour.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/statusparts.h"
#include "settings/settingnames.h"
#include "toolkit/colours.h"
#include "toolkit/docklayout.h"
#include "toolkit/fields.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"

#include <algorithm>

namespace tandem {

namespace {

// A depth outside this range is brought into it: the search divides by score - depth + 1, which
// must stay above 0 for every score from the depth up to 100.
constexpr int kLowestDepth = 0;
constexpr int kHighestDepth = 100;
// The stored layout value for panes one above the other.
constexpr int kStackedLayout = 1;

std::int32_t StoredNumber(const SettingsStore& store, const char* name) {
    return TextToNumber(store.ReadString(name));
}

QColor StoredColour(const SettingsStore& store, const char* name) {
    return ColourFromCode(StoredNumber(store, name));
}

void WriteNumber(SettingsStore& store, const char* name, std::int64_t number) {
    store.WriteString(name, NumberToText(number));
}

} // namespace

// Without a stored insert colour nothing is loaded: the built-in options stay.
void LoadOptions(MainWindow& window) {
    const SettingsStore& store = *window.settings;
    if (store.ReadString(settings::kInsertColour).empty())
        return;
    window.insertColour = StoredColour(store, settings::kInsertColour);
    window.differenceColour1 = StoredColour(store, settings::kDifferenceColour1);
    window.differenceColour2 = StoredColour(store, settings::kDifferenceColour2);
    if (!store.ReadString(settings::kDifferenceColour3).empty())
        window.differenceColour3 = StoredColour(store, settings::kDifferenceColour3);
    window.depth = std::clamp(StoredNumber(store, settings::kDepth), kLowestDepth, kHighestDepth);
    window.lookup = StoredNumber(store, settings::kLookup);
    window.stacked = StoredNumber(store, settings::kLayout) == kStackedLayout;
    ApplyLayout(window);
    if (window.depth == 0)
        window.depth = settings::kDefaultDepth;
    if (window.lookup == 0)
        window.lookup = settings::kDefaultLookup;
    DockLayoutOf(window.mainArea)
        ->SetDock(window.sides[kLeft].holder, window.stacked ? Dock::Top : Dock::Left);
    ArrangePanes(window);
    ShowDepthAndLookup(window);
    for (PaneSide& side : window.sides)
        side.pane->SetBackgroundColour(StoredColour(store, settings::kBackgroundColour));
    window.backgroundChosen = true;
}

void SaveOptions(MainWindow& window) {
    SettingsStore& store = *window.settings;
    WriteNumber(store, settings::kInsertColour, CodeFromColour(window.insertColour));
    WriteNumber(store, settings::kDifferenceColour1, CodeFromColour(window.differenceColour1));
    WriteNumber(store, settings::kDifferenceColour2, CodeFromColour(window.differenceColour2));
    WriteNumber(store, settings::kDifferenceColour3, CodeFromColour(window.differenceColour3));
    WriteNumber(store, settings::kDepth, window.depth);
    WriteNumber(store, settings::kLookup, window.lookup);
    WriteNumber(store, settings::kLayout, window.stacked ? kStackedLayout : 0);
    WriteNumber(store, settings::kBackgroundColour,
                window.backgroundChosen
                    ? CodeFromColour(window.sides[kLeft].pane->BackgroundColour())
                    : SystemColourCode(kWindowColour));
}

void ShowDepthAndLookup(MainWindow& window) {
    window.status->SetPart(kDepthPart, DepthText(window.depth));
    window.status->SetPart(kLookupPart, LookupText(window.lookup));
}

} // namespace tandem
