#pragma once
// Failing QCOMPAREs print these values field by field.
#include <QStringList>
#include <QtTest>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/Printers.h"

namespace quilto {

template <typename T>
char* PrintedWithPrintTo(const T& v) {
    std::ostringstream os;
    PrintTo(v, &os);
    return qstrdup(os.str().c_str());
}
inline char* toString(const Box& b) {
    return PrintedWithPrintTo(b);
}
inline char* toString(const Settings& s) {
    return PrintedWithPrintTo(s);
}

}  // namespace quilto

namespace QTest {

template <>
inline char* toString(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << QString::fromStdString(t);
    return toString("{" + list.join(", ") + "}");
}
template <>
inline char* toString(const std::vector<std::pair<std::string, std::string>>& pairs) {
    QStringList list;
    for (const auto& [a, b] : pairs) list << QString::fromStdString("(" + a + ", " + b + ")");
    return toString("{" + list.join(", ") + "}");
}

}  // namespace QTest
