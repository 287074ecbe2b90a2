// SPDX-License-Identifier: GPL-3.0-or-later
// The names under which the program keeps its settings. Stored settings depend on every one of
// them, spelling included.
#pragma once

namespace tandem::settings {

// The maker's name: the first level of the store below the user's branch.
inline constexpr const char* kOrganisation = "Vantrelsoft";

inline constexpr const char* kMainSection = "Tandem";
inline constexpr const char* kSetupSection = "Setup";

inline constexpr const char* kLeftFile = "Left_File";
inline constexpr const char* kRightFile = "Rigt_File";
inline constexpr const char* kLeftList = "Left_List";
inline constexpr const char* kRightList = "Rigt_List";
// The same names by side, left first.
inline constexpr const char* kFileNames[] = {kLeftFile, kRightFile};
inline constexpr const char* kRecentLists[] = {kLeftList, kRightList};

// Placement of a window: number values.
inline constexpr const char* kLeft = "Left";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kShow = "Show";

// Options of the main window: text values holding decimal numbers.
inline constexpr const char* kInsertColour = "IColor";
inline constexpr const char* kDifferenceColour1 = "EColor";
inline constexpr const char* kDifferenceColour2 = "DColor";
inline constexpr const char* kDifferenceColour3 = "LColor";
inline constexpr const char* kBackgroundColour = "BColor";
inline constexpr const char* kDepth = "ADepth";
inline constexpr const char* kLookup = "DDepth";
inline constexpr const char* kLayout = "Layout";

// A file pair's record is kept under its pair key; the pair's depth and lookup under the key
// followed by these.
inline constexpr const char* kPairDepthSuffix = "_DP";
inline constexpr const char* kPairLookupSuffix = "_DA";

// The depth of analysis (percent) and the lookup (lines) until stored options replace them; a
// stored 0 also stands for these.
inline constexpr int kDefaultDepth = 50;
inline constexpr int kDefaultLookup = 2000;

} // namespace tandem::settings
