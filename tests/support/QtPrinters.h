// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Failing QCOMPAREs print these values field by field.
#include <QtTest>
#include <concepts>
#include <memory>
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

// Qt's own values among FIELDS, as Qt Test prints them.
template <typename T>
requires std::same_as<T, QPoint> || std::same_as<T, QSize> || std::same_as<T, QRect> || std::same_as<T, QColor> ||
    std::same_as<T, QByteArray> || std::same_as<T, QString>
void PrintTo(const T& v, std::ostream* os) {
    const std::unique_ptr<char[]> text(QTest::toString(v));
    *os << (text ? text.get() : "?");
}
