// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which board positions touch which along an edge, worked out once per board
// from the elements' boxes with the same test as TestAdjacent.
#include <cstdint>
#include <span>
#include <vector>

#include "game/Elements.h"

namespace quilto {

class NeighbourTable {
public:
    // Positions 1..count of image1 (element 0 is the template and is left
    // out); halfUnit is the tolerance across an edge.
    void Build(const std::vector<Element>& image1, int count, double halfUnit);

    // The positions adjacent to p, in ascending order.
    std::span<const std::int16_t> Of(int p) const {
        const auto i = static_cast<std::size_t>(p);
        return {list_.data() + start_[i], list_.data() + start_[i + 1]};
    }

private:
    std::vector<std::size_t> start_;  // position p's list is [start_[p], start_[p + 1])
    std::vector<std::int16_t> list_;
};

}  // namespace quilto
