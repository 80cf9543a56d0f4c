// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Locale_p.h"

#include <QLocale>

#include <optional>

namespace vorn {

namespace {
std::optional<QChar>& Setting()
{
    static std::optional<QChar> sep;
    return sep;
}
} // namespace

QChar DecimalSeparator()
{
    if (!Setting()) {
        const QString point = QLocale::system().decimalPoint();
        Setting() = point.isEmpty() ? QLatin1Char('.') : point.at(0);
    }
    return *Setting();
}

void SetDecimalSeparator(QChar c)
{
    Setting() = c;
}

} // namespace vorn
