// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The calculator's formulas as the main window applies them, step by step in
// extended precision, with the floating-point fault each step raises when
// its result is not defined or does not fit a double. A random-event run
// compares the window against them.
namespace chaos {

enum class Fault { None, ZeroDivide, InvalidOp, Overflow, Other };

const char* FaultName(Fault f);

// A result: the value stored, or the fault that stops the handler there.
struct Outcome
{
    double Value = 0;
    Fault Error = Fault::None;
};

// L in uH from f in MHz and XL in ohm: XL / (f * 2 pi).
Outcome InductanceOf(double f, double xl);
// XL in ohm from f and L: (f * 2 pi) * L.
Outcome ReactanceOf(double f, double l);
// C in pF from f and XL: 1 / (f * (XL * 2 * pi)), then * 10^6.
Outcome CapacitanceOf(double f, double xl);

} // namespace chaos
