#pragma once
// Failing QCOMPAREs print these values field by field.
#include <QtTest>
#include <sstream>
#include <string>
#include <vector>

#include "support/Printers.h"

namespace quilto {

// Whatever Printers.h prints; more constrained than QTest's own template.
template <typename T>
requires requires(const T& v, std::ostream* os) {
    PrintTo(v, os);
}
char* toString(const T& v) {
    std::ostringstream os;
    PrintTo(v, &os);
    return qstrdup(os.str().c_str());
}

}  // namespace quilto

namespace QTest {

template <>
inline char* toString(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts) all += '"' + t + "\" ";
    return qstrdup(all.c_str());
}
template <>
inline char* toString(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string all;
    for (const auto& [a, b] : pairs) all += '(' + a + ", " + b + ") ";
    return qstrdup(all.c_str());
}

}  // namespace QTest
