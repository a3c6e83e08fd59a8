#pragma once

#include <algorithm>
#include <array>

namespace morvane {

// The row of a constant table whose key (what keyOf takes from it) equals the given key,
// compared with ==; nullptr when none does. Kua numbers are compared as numbers, element
// texts exactly, case and blanks included.
template <typename Row, std::size_t Size, typename Key, typename Projection>
constexpr const Row* FindRow(const std::array<Row, Size>& table, const Key& key, Projection keyOf) noexcept
{
    const auto row = std::ranges::find(table, key, keyOf);
    return row == table.end() ? nullptr : &*row;
}

} // namespace morvane
