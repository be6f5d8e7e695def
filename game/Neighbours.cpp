// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Neighbours.h"

#include <algorithm>
#include <utility>

#include "game/Exchange.h"

namespace quilto {
namespace {

// Positions sorted by one edge (the line) and then by where they start along
// it, for finding the elements whose edge lies within the tolerance of a
// given line and which run beside a given stretch of it.
class EdgeIndex {
public:
    EdgeIndex(const std::vector<PieceEdges>& edges, bool vertical) {
        for (std::size_t p = 1; p < edges.size(); ++p) {
            const PieceEdges& e = edges[p];
            entries_.push_back(vertical ? Entry{e.Left, e.Top, static_cast<int>(p)}
                                        : Entry{e.Top, e.Left, static_cast<int>(p)});
            longest_ = std::max(longest_, vertical ? e.Bottom - e.Top : e.Right - e.Left);
        }
        std::sort(entries_.begin(), entries_.end(),
                  [](const Entry& a, const Entry& b) { return a.line != b.line ? a.line < b.line : a.from < b.from; });
    }

    // Calls visit(p) for every position whose edge lies strictly within
    // halfUnit of line and that may run beside [from, to) of it by more than
    // 5 units. A superset: the caller applies the full test.
    template <class Visit>
    void Near(std::int64_t line, double halfUnit, std::int64_t from, std::int64_t to, Visit visit) const {
        const double lo = static_cast<double>(line) - halfUnit;
        const double hi = static_cast<double>(line) + halfUnit;
        const std::int64_t firstStart = from + 5 - longest_;
        const std::int64_t lastStart = to - 5;  // exclusive
        auto it = std::upper_bound(entries_.begin(), entries_.end(), lo,
                                   [](double v, const Entry& e) { return v < static_cast<double>(e.line); });
        while (it != entries_.end() && static_cast<double>(it->line) < hi) {
            const std::int64_t here = it->line;
            const auto groupEnd =
                std::upper_bound(it, entries_.end(), here, [](std::int64_t v, const Entry& e) { return v < e.line; });
            auto e =
                std::lower_bound(it, groupEnd, firstStart, [](const Entry& x, std::int64_t v) { return x.from < v; });
            for (; e != groupEnd && e->from < lastStart; ++e) visit(e->p);
            it = groupEnd;
        }
    }

private:
    struct Entry {
        std::int64_t line, from;
        int p;
    };
    std::vector<Entry> entries_;
    std::int64_t longest_ = 0;
};

}  // namespace

void NeighbourTable::Build(const std::vector<Element>& image1, int count, double halfUnit) {
    std::vector<PieceEdges> edges(static_cast<std::size_t>(count) + 1);
    for (int p = 1; p <= count; ++p)
        edges[static_cast<std::size_t>(p)] = EdgesOf(image1.at(static_cast<std::size_t>(p)).box);

    // Every touching pair has one element whose right or bottom edge meets
    // the other's left or top edge, so looking right and down from each
    // element finds them all; the full test then decides.
    std::vector<std::pair<int, int>> pairs;
    auto consider = [&](int a, int b) {
        if (Adjacent(edges[static_cast<std::size_t>(a)], edges[static_cast<std::size_t>(b)], halfUnit)) {
            pairs.emplace_back(a, b);
            pairs.emplace_back(b, a);
        }
    };
    const EdgeIndex byLeft(edges, true);
    const EdgeIndex byTop(edges, false);
    for (int a = 1; a <= count; ++a) {
        const PieceEdges& e = edges[static_cast<std::size_t>(a)];
        byLeft.Near(e.Right, halfUnit, e.Top, e.Bottom, [&](int b) { consider(a, b); });
        byTop.Near(e.Bottom, halfUnit, e.Left, e.Right, [&](int b) { consider(a, b); });
    }

    // Bucket the pairs by their first position, then sort and deduplicate
    // each bucket (a pair can be found from both sides).
    std::vector<std::size_t> fill(static_cast<std::size_t>(count) + 2, 0);
    for (const auto& pr : pairs) ++fill[static_cast<std::size_t>(pr.first) + 1];
    for (std::size_t i = 1; i < fill.size(); ++i) fill[i] += fill[i - 1];
    std::vector<std::int16_t> raw(pairs.size());
    std::vector<std::size_t> next(fill.begin(), fill.end() - 1);
    for (const auto& pr : pairs) raw[next[static_cast<std::size_t>(pr.first)]++] = static_cast<std::int16_t>(pr.second);

    start_.assign(static_cast<std::size_t>(count) + 2, 0);
    list_.clear();
    list_.reserve(raw.size());
    for (std::size_t p = 0; p <= static_cast<std::size_t>(count); ++p) {
        start_[p] = list_.size();
        auto first = raw.begin() + static_cast<std::ptrdiff_t>(fill[p]);
        auto last = raw.begin() + static_cast<std::ptrdiff_t>(fill[p + 1]);
        std::sort(first, last);
        list_.insert(list_.end(), first, std::unique(first, last));
    }
    start_[static_cast<std::size_t>(count) + 1] = list_.size();
}

}  // namespace quilto
