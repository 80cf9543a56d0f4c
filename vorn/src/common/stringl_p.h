// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// String helpers of the control library.
#include <QChar>
#include <QString>

namespace vorn {

// r in a field of |FieldWidth| characters with DecP decimals. DecP = -2 gives
// the exponential form with a two-digit exponent (asterisks when the exponent
// needs three); any other negative DecP the exponential form with four
// exponent digits. A negative FieldWidth pads with zeros instead of spaces,
// the sign staying in front.
QString strff(long double r, int FieldWidth, int DecP);

// Instring with every OldChar replaced by NewChar.
QString ReplaceCharInString(const QString& Instring, QChar OldChar, QChar NewChar);

} // namespace vorn
