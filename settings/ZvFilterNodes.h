#pragma once
// The item types that the filter tree offers as nodes: the only types a
// filter can be given by the user.
#include <cstdint>

// 130 ("Libraries") and 999 ("Top Level Windows") are grouping nodes of the
// tree, not parents of any symbol, but they are nodes all the same.
inline constexpr std::uint16_t kZvFilterNodeTypes[] = {
    29, 130, 145, 52, 222, 208, 525, 527, 406, 223, 134, 137, 281, 136,
    244, 280, 265, 512, 279, 999, 401, 118, 278,
};

// The node whose children are library names, not types.
inline constexpr std::uint16_t kZvLibrariesNode = 130;

constexpr bool ZvFilterHasNode(std::uint16_t type)
{
    for (std::uint16_t node : kZvFilterNodeTypes)
        if (node == type) return true;
    return false;
}
