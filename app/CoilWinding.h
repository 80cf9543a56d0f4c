// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The single-layer air coil wound with round wire: its low-frequency
// inductance from the current sheet with Nagaoka's coefficient and Rosa's
// round-wire corrections, and the number of turns that gives a required
// inductance. Free of widgets; lengths in mm, inductances in uH.
#include <QString>

namespace coil {

// The most turns the solver looks for.
constexpr double MaxTurns = 100000.0;

// What the user winds on: the former's diameter, the wire's bare and
// insulated diameters and the distance from one turn to the next, in mm.
struct TCoilShape
{
    double Former = 0;
    double Bare = 0;
    double Insulated = 0;
    double Pitch = 0;
};

// The diameter of the current sheet: the former plus one insulated wire
// diameter, so that the sheet runs through the centres of the wires.
double MeanDiameter(const TCoilShape& shape);

// Nagaoka's coefficient of a current sheet whose length is x times its
// diameter (x > 0): 1 for an endless sheet, falling towards 0 for a flat one.
double NagaokaK(double lengthOverDiameter);

// Rosa's correction for the self-inductance of a round wire against the
// strip of current sheet it replaces (pitch p, bare diameter d, p >= d > 0).
double RosaKs(double pitch, double bare);

// Rosa's correction for the mutual inductance between the N turns of round
// wire against the current sheet (N >= 1): 0 for one turn, rising towards
// ln(2 pi) - 3/2 for many.
double RosaKm(double turns);

// The inductance of the current sheet alone: N turns on `diameter` over
// `length` (mm), in uH.
double SheetInductance(double diameter, double length, double turns);

// The inductance of `turns` turns (a real number >= 1) of the round wire
// wound as `shape` says, in uH (Rosa and Nagaoka).
double CoilInductance(const TCoilShape& shape, double turns);

// Wheeler's estimate for N turns on `diameter` over `length` (mm), in uH.
double WheelerInductance(double diameter, double length, double turns);

// Why a winding could not be worked out; None when it could.
enum class TWindingFault
{
    None,
    Former,      // the former's diameter is not a positive number
    Bare,        // nor the bare wire's
    Insulated,   // the insulated wire is thinner than the bare one
    Pitch,       // the turns are closer than the insulated wire allows
    Inductance,  // the required inductance is not a positive number
    OneTurnMore, // even one turn gives more than the required inductance
    TooManyTurns // more than MaxTurns turns would be needed
};

// Everything the winding window shows for one shape and inductance; the
// numbers are meaningful only when Fault is None.
struct TWinding
{
    TWindingFault Fault = TWindingFault::None;
    double Turns = 0;          // the real number of turns that gives L
    double WholeTurns = 0;     // the whole number of turns at or above it
    double WholeInductance = 0; // uH, of WholeTurns turns
    double Length = 0;         // mm, of the winding: Turns * pitch
    double WireLength = 0;     // m, of the wire as a helix of Turns turns
    double Nagaoka = 0;        // Nagaoka's coefficient of that winding
    double LengthOverDiameter = 0;
    double Wheeler = 0;        // uH, Wheeler's estimate for the same Turns
    double OneTurn = 0;        // uH, of one turn (set for OneTurnMore)
};

// The turns (a real number in 1 .. MaxTurns) of the coil `shape` whose
// inductance is `required` uH, and what follows from them. The inductance
// grows with the turns; the solver brackets and bisects, so it always ends.
TWinding Wind(const TCoilShape& shape, double required);

// A short sentence that tells the user what is wrong.
QString FaultText(const TWinding& winding);

// v as QString::number(v, format, precision) writes it, with the decimal
// separator the fields use.
QString NumberText(double v, char format, int precision);

} // namespace coil
