#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// One setting of a space group as listed in International Tables Volume A.
struct SpaceGroupSetting {
    std::string_view hallSymbol;  // non-centrosymmetric symbols carry one leading blank
    int number;                   // 1..230
    std::string_view extension;   // setting code ("b1", "cab", "2", "H", ...) or empty
    std::string_view labels;      // Hermann-Mauguin labels joined by " = "
};

constexpr std::size_t spaceGroupSettingCount = 530;

// Row order matters: every lookup scan takes the first acceptable row.
extern const std::array<SpaceGroupSetting, spaceGroupSettingCount> spaceGroupSettingTable;

// Position of `setting` in the table (0..529).
std::size_t settingIndex(const SpaceGroupSetting& setting);
