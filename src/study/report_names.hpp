#pragma once

#include <array>
#include <string_view>

#include "study/study_results.hpp"

namespace bidgauge {

// The names the report gives the methods and targets, in the order of their
// enums: what a bridge player calls them, in every table and file alike.
inline constexpr std::array<std::string_view, kMethodCount> kMethodNames = {
    "KnR", "Zar", "Kleinman", "Honor Tricks", "4-3-2-1", "constant"};
inline constexpr std::array<std::string_view, kTargetCount> kTargetNames = {"notrump",
                                                                            "longest suit"};
// For file names and keys: no spaces.
inline constexpr std::array<std::string_view, kTargetCount> kTargetKeys = {"notrump",
                                                                           "longest_suit"};
// What each target is, as the title of its table.
inline constexpr std::array<std::string_view, kTargetCount> kTargetTitles = {
    "Notrump tricks by the partnership's better declarer",
    "Tricks in the partnership's longest suit by its better declarer"};
inline constexpr int kPointsMethod = static_cast<int>(Method::fourThreeTwoOne);

inline std::string_view methodName(int method) {
  return kMethodNames[static_cast<std::size_t>(method)];
}
inline std::string_view targetName(int target) {
  return kTargetNames[static_cast<std::size_t>(target)];
}

}  // namespace bidgauge
