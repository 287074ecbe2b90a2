// SPDX-License-Identifier: GPL-3.0-or-later
// The names under which the program keeps its settings.
#pragma once

namespace tandem::settings {

inline constexpr const char* kMainSection = "Tandem";
inline constexpr const char* kSetupSection = "Setup";

inline constexpr const char* kLeftFile = "Left_File";
inline constexpr const char* kRightFile = "Rigt_File";
inline constexpr const char* kLeftList = "Left_List";
inline constexpr const char* kRightList = "Rigt_List";

inline constexpr const char* kLeft = "Left";
inline constexpr const char* kTop = "Top";
inline constexpr const char* kWidth = "Width";
inline constexpr const char* kHeight = "Height";
inline constexpr const char* kShow = "Show";

} // namespace tandem::settings
