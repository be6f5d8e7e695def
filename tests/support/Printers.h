// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Failing comparisons print the game's values field by field. EXPECT_FIELDS
// and QCOMPARE_FIELDS compare several values at once and name each one that
// differs, so that a failure never asks the reader to count positions:
//
//   EXPECT_FIELDS((g.PieceAt, g.EmptySlot), (Board{0, 2, 1}, 1));
//   -> g.PieceAt[1]: 1, expected 2
//      g.PieceAt[2]: 2, expected 1
//      g.EmptySlot: 2, expected 1
#include <iomanip>
#include <ostream>
#include <ranges>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/Elements.h"
#include "game/SavedGame.h"
#include "settings/Settings.h"

namespace quilto {

inline void PrintTo(const Box& b, std::ostream* os) {
    *os << "{Left " << b.Left << ", Top " << b.Top << ", Width " << b.Width << ", Height " << b.Height << "}";
}
inline void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "{picture " << r.source << ": Left " << r.Left << ", Top " << r.Top << ", Width " << r.Width << ", Height "
        << r.Height << "}";
}
inline void PrintTo(const Settings& s, std::ostream* os) {
    *os << std::boolalpha << "{Columns " << s.Columns << ", Rows " << s.Rows << ", FitMode " << s.FitMode
        << ", fIrregular " << s.fIrregular << ", fSlide " << s.fSlide << ", fSlippery " << s.fSlippery << "}";
}
inline void PrintTo(const UnitRect& u, std::ostream* os) {
    *os << "{" << u.Left << ", " << u.Top << ", " << u.Width << "x" << u.Height << "}";
}

namespace test {

// Values with the expressions that gave them, made by FIELDS.
template <typename... T>
struct Named {
    std::vector<std::string> names;
    std::tuple<T...> values;
};

// "a, f(b, c), Board{1, 2}" -> "a", "f(b, c)", "Board{1, 2}".
inline std::vector<std::string> SplitNames(std::string_view list) {
    std::vector<std::string> names(1);
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const char c = list[i];
        if (quote && c == '\\')
            names.back() += list[i++];
        else if (c == quote)
            quote = 0;
        else if (!quote && (c == '"' || c == '\''))
            quote = c;
        else if (!quote)
            depth += (c == '(' || c == '[' || c == '{') - (c == ')' || c == ']' || c == '}');
        if (!quote && depth == 0 && c == ',')
            names.emplace_back();
        else if (c != ' ' || !names.back().empty())
            names.back() += list[i];
    }
    return names;
}

template <typename... T>
Named<std::decay_t<T>...> MakeNamed(std::string_view list, T&&... values) {
    return {SplitNames(list), std::tuple<std::decay_t<T>...>(std::forward<T>(values)...)};
}

template <typename T>
constexpr bool kIsNamed = false;
template <typename... T>
constexpr bool kIsNamed<Named<T...>> = true;
template <typename T>
concept Printed = requires(const T& v, std::ostream* os) {
    PrintTo(v, os);
};
// Compared element by element: texts and values with a printer of their own are not.
template <typename T>
concept List = std::ranges::forward_range<const T> && !std::is_convertible_v<const T&, std::string_view> && !Printed<T>;

template <typename T>
void Show(std::ostream& os, const T& v) {
    if constexpr (kIsNamed<T>) {
        std::size_t i = 0;
        os << "{";
        std::apply([&](const auto&... e) { ((os << (i ? ", " : "") << v.names[i] << ": ", Show(os, e), ++i), ...); },
                   v.values);
        os << "}";
    } else if constexpr (requires { Fields(v); }) {
        Show(os, Fields(v));
    } else if constexpr (Printed<T>) {
        PrintTo(v, &os);
    } else if constexpr (std::is_same_v<T, bool>) {
        os << (v ? "true" : "false");
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        os << static_cast<long long>(v);
    } else if constexpr (std::is_null_pointer_v<T>) {
        os << "nullptr";
    } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        os << '"' << std::string_view(v) << '"';
    } else if constexpr (std::ranges::forward_range<const T>) {
        os << "{";
        const char* separator = "";
        for (const auto& e : v) os << std::exchange(separator, ", "), Show(os, e);
        os << "}";
    } else {
        os << v;
    }
}

template <typename A, typename E>
void Compare(std::ostream& out, const std::string& name, const A& actual, const E& expected);
template <typename A, typename E, std::size_t... I>
void CompareFields(std::ostream& out, const std::string& name, const A& actual, const E& expected,
                   std::index_sequence<I...>) {
    const std::string prefix = name.empty() ? "" : name + ": ";
    (Compare(out, prefix + actual.names[I], std::get<I>(actual.values), std::get<I>(expected)), ...);
}

// Writes a line for each part of `actual` that differs from `expected`: each
// field of a record, each element of lists of one length.
template <typename A, typename E>
void Compare(std::ostream& out, const std::string& name, const A& actual, const E& expected) {
    if constexpr (kIsNamed<A> && kIsNamed<E>) {
        Compare(out, name, actual, expected.values);
    } else if constexpr (kIsNamed<A>) {
        static_assert(std::tuple_size_v<decltype(actual.values)> == std::tuple_size_v<E>, "one expected value each");
        CompareFields(out, name, actual, expected, std::make_index_sequence<std::tuple_size_v<E>>());
    } else if constexpr (requires { Fields(actual), Fields(expected); }) {
        Compare(out, name, Fields(actual), Fields(expected));
    } else if constexpr (List<A> && List<E>) {
        if (std::ranges::distance(actual) == std::ranges::distance(expected)) {
            auto e = std::ranges::begin(expected);
            std::size_t i = 0;
            for (const auto& a : actual) Compare(out, name + "[" + std::to_string(i++) + "]", a, *e++);
            return;
        }
        out << "  " << name << " (" << std::ranges::distance(actual) << " elements): ", Show(out, actual);
        out << "\n    expected (" << std::ranges::distance(expected) << " elements): ", Show(out, expected);
        out << "\n";
    } else if (!(actual == expected)) {
        out << "  " << name << ": ", Show(out, actual), out << ", expected ", Show(out, expected), out << "\n";
    }
}

// Empty when the record holds the expected values (a tuple, or another
// record); otherwise a line for each that differs, then the context.
template <typename A, typename E, typename... C>
std::string Differences(const A& actual, const E& expected, const C&... context) {
    std::ostringstream out;
    out << std::setprecision(9);
    Compare(out, "", actual, expected);
    if (out.tellp() == 0) return {};
    ((out << "  where ", Show(out, context), out << "\n"), ...);
    return "Values differ:\n" + out.str();
}

}  // namespace test
}  // namespace quilto

#define FIELDS(...) ::quilto::test::MakeNamed(#__VA_ARGS__, __VA_ARGS__)

namespace quilto {
// A saved game compares and prints field by field.
inline auto Fields(const SavedGame& s) {
    return FIELDS(s.PictureName, s.PictureBytes, s.settings, s.Pieces, s.PieceAt, s.EmptySlot, s.BarTicks);
}
inline void PrintTo(const SavedGame& s, std::ostream* os) {
    test::Show(*os, Fields(s));
}
}  // namespace quilto

// EXPECT_FIELDS((a, b), (x, y)) expects a == x and b == y; EXPECT_RECORD(r, e)
// expects of a record made by FIELDS the values of e, a tuple or a record.
// Both take a message with <<, as EXPECT_EQ does.
#define QUILTO_FIELDS_CHECK_(record, expected, fail)                                               \
    switch (0)                                                                                     \
    case 0:                                                                                        \
    default:                                                                                       \
        if (const std::string quilto_differences_ = ::quilto::test::Differences(record, expected); \
            quilto_differences_.empty()) {                                                         \
        } else                                                                                     \
            fail() << quilto_differences_
#define EXPECT_RECORD(record, expected) QUILTO_FIELDS_CHECK_(record, expected, ADD_FAILURE)
#define EXPECT_FIELDS(actual, expected) EXPECT_RECORD(FIELDS actual, std::make_tuple expected)
#define ASSERT_FIELDS(actual, expected) QUILTO_FIELDS_CHECK_(FIELDS actual, std::make_tuple expected, FAIL)

// QCOMPARE_FIELDS((a, b), (x, y)[, context...]): the same for Qt Test; the
// values after the two lists are printed with a failure, to tell cases apart.
#define QCOMPARE_FIELDS(actual, expected, ...)                                                                      \
    do {                                                                                                            \
        const std::string quilto_differences_ =                                                                     \
            ::quilto::test::Differences(FIELDS actual, std::make_tuple expected __VA_OPT__(, FIELDS(__VA_ARGS__))); \
        if (!quilto_differences_.empty()) return QTest::qFail(quilto_differences_.c_str(), __FILE__, __LINE__);     \
    } while (false)
