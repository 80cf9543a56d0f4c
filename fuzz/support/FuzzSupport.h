// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// What every fuzz target shares: Qt on the offscreen platform with the test
// programs' palette and font, texts made from the fuzzer's bytes, and a
// check that reports a broken property and stops the run (libFuzzer then
// saves the input that broke it).
#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <functional>

// Starts the one QApplication of the process; later calls do nothing.
void StartQt();

// Reports `what` (with `detail`, for example the input as text) and aborts.
[[noreturn]] void FuzzFail(const char* what, const QString& detail = QString());

// Stops the run when `cond` does not hold.
#define FUZZ_CHECK(cond, detail)                                                                                       \
    do {                                                                                                               \
        if (!(cond))                                                                                                   \
            FuzzFail(#cond, (detail));                                                                                 \
    } while (false)

// Runs `convert`: true when it returns, false when it throws one of the
// project's exceptions (which must carry a message); any other exception is
// a fault and goes on to the fuzzer.
bool Converts(const std::function<void()>& convert);

// A text of at most maxLength characters. The first byte chooses how the
// bytes become characters: as Latin-1, as UTF-16 code units, or each byte as
// one character of those a number, a date pattern or a format is made of
// (digits, signs, separators, letters), which reaches the parsers' deeper
// states far sooner than arbitrary characters do.
QString ConsumeText(FuzzedDataProvider& in, size_t maxLength);

// Any double: the bit pattern from the input, or a few values that matter
// (zero, the ends of the range, the special values).
double ConsumeAnyDouble(FuzzedDataProvider& in);

// Any int: one of the range's ends or 0, or the bits from the input.
int ConsumeAnyInt(FuzzedDataProvider& in);

// Text for messages: quoted, with characters outside ASCII as \uXXXX.
QString Quoted(const QString& s);
