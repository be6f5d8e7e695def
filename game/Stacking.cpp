// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Stacking.h"

#include <algorithm>
#include <cstdint>

namespace quilto {

std::vector<StackedElement> WindowElements(const Window& w) {
    std::vector<StackedElement> all;
    all.reserve(w.Image1.size() + w.Shape2.size() + 7);
    all.push_back({&w.Label1, 0});
    all.push_back({&w.KeyFrame, 0});  // hidden until an arrow key brings it to the front
    for (std::size_t i = 1; i < w.Image1.size(); ++i) all.push_back({&w.Image1[i], static_cast<int>(i)});
    for (const Element* e : {&w.Label4, &w.Shape1, &w.Shape5, &w.Shape3, &w.Image2, &w.Label3}) all.push_back({e, 0});
    for (std::size_t i = 1; i < w.Shape2.size(); ++i) all.push_back({&w.Shape2[i], 0});
    return all;
}

std::vector<StackedElement> StackingOrder(const Window& w) {
    std::vector<StackedElement> all = WindowElements(w);
    // Neighbours of equal rank (the pieces share their template's) move as
    // one run, so a whole board costs a handful of comparisons. Sorting the
    // runs stably keeps equal ranks in the window's own order.
    struct Run {
        std::int64_t z;
        std::size_t begin, end;
    };
    std::vector<Run> runs;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::int64_t z = all[i].element->Z;
        if (!runs.empty() && runs.back().z == z)
            runs.back().end = i + 1;
        else
            runs.push_back({z, i, i + 1});
    }
    const auto lower = [](const Run& a, const Run& b) { return a.z < b.z; };
    if (std::is_sorted(runs.begin(), runs.end(), lower)) return all;
    std::stable_sort(runs.begin(), runs.end(), lower);
    std::vector<StackedElement> order;
    order.reserve(all.size());
    for (const Run& r : runs)
        order.insert(order.end(), all.begin() + static_cast<std::ptrdiff_t>(r.begin),
                     all.begin() + static_cast<std::ptrdiff_t>(r.end));
    return order;
}

const StackedElement* FrontmostAt(const std::vector<StackedElement>& order, float x, float y) {
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Element& e = *it->element;
        const Box& b = e.box;
        if (e.Visible && TakesPointer(e.Kind) && b.Left <= x && x < b.Left + b.Width && b.Top <= y &&
            y < b.Top + b.Height)
            return &*it;
    }
    return nullptr;
}

}  // namespace quilto
