// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The locale's decimal separator, as the controls read it. Taken from the
// system locale on first use; tests set it to try other locales.
#include <vorn/vorn_export.h>

#include <QChar>

namespace vorn {

// Exported for the program too: its windows write numbers in their texts as
// the fields show them.
VORN_EXPORT QChar DecimalSeparator();
VORN_TESTS_EXPORT void SetDecimalSeparator(QChar c);

} // namespace vorn
