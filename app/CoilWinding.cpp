// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "CoilWinding.h"

#include "Locale_p.h"

#include <cmath>
#include <numbers>

namespace coil {

namespace {

// The permeability of free space, 4 pi 10^-7 H/m, as uH per mm.
constexpr double Mu0 = 4e-4 * std::numbers::pi;

// (K(k) - E(k)) / k^2 from the power series of the complete elliptic
// integrals, for small k where the difference of K and E loses its digits:
// pi/2 * sum over n >= 1 of c_n^2 * 2n/(2n-1) * k^(2n-2), with
// c_n = (2n-1)!! / (2n)!! (Abramowitz and Stegun 17.3.11, 17.3.12).
double KMinusEOverK2(double k2)
{
    double c = 0.5; // c_1
    double power = 1; // k^(2n-2)
    double sum = 0;
    for (int n = 1; n < 200; ++n) {
        const double term = c * c * (2.0 * n / (2.0 * n - 1)) * power;
        sum += term;
        if (term < 1e-19 * sum)
            break;
        c *= (2.0 * n + 1) / (2.0 * n + 2);
        power *= k2;
    }
    return std::numbers::pi / 2 * sum;
}

} // namespace

double MeanDiameter(const TCoilShape& shape)
{
    return shape.Former + shape.Insulated;
}

// H. Nagaoka, "The inductance coefficients of solenoids", J. Coll. Sci.
// Tokyo 27 (1909), art. 6: for a sheet of diameter D and length l, with the
// modulus k^2 = 1 / (1 + (l/D)^2) and k'^2 = 1 - k^2,
//   K = 4 / (3 pi k') * [ (k'^2 / k^2) (K(k) - E(k)) + E(k) - k ].
// k and k' are taken from l/D directly, so neither comes from a difference.
double NagaokaK(double lengthOverDiameter)
{
    const double x = lengthOverDiameter;
    const double root = std::sqrt(1 + x * x);
    const double k = 1 / root;
    const double kp = x / root;
    const double k2 = k * k;
    const double e = std::comp_ellint_2(k);
    // (k'^2 / k^2) (K - E): k'^2 / k^2 is x^2; for a long sheet K - E is
    // taken from its series instead of a difference of nearly equal numbers.
    const double first = k2 < 0.25 ? kp * kp * KMinusEOverK2(k2) : x * x * (std::comp_ellint_1(k) - e);
    return 4 / (3 * std::numbers::pi * kp) * (first + e - k);
}

// E. B. Rosa, Bull. Bureau of Standards 2 (1906), and Rosa and Grover,
// "Formulas and tables for the calculation of mutual and self-inductance",
// Sci. Paper 169 (1916) p. 122 (their A): a round wire of diameter d
// against its strip of current sheet of width p.
double RosaKs(double pitch, double bare)
{
    return 1.25 - std::log(2 * pitch / bare);
}

// Rosa's B (Sci. Paper 169, table of B; Grover, "Inductance Calculations"
// (1946) p. 150) as the one-line formula of D. W. Knight, "Rosa's mutual
// inductance correction for the round-wire solenoid" (2010, v1.03): Grover's
// asymptotic series extended so that it gives 0 for one turn, within
// 2e-8 of the exact sums for every whole N, and smooth between them.
double RosaKm(double turns)
{
    const double n = turns;
    const double n2 = n * n;
    const double n3 = n2 * n;
    const double n5 = n3 * n2;
    const double n7 = n5 * n2;
    const double n9 = n7 * n2;
    return std::log(2 * std::numbers::pi) - 1.5 - std::log(n) / (6 * n) - 0.33084236 / n - 1 / (120 * n3) +
           1 / (504 * n5) - 0.0011923 / n7 + 0.0005068 / n9;
}

// The current sheet: L = mu0 pi (D/2)^2 N^2 / l * K (Nagaoka 1909).
double SheetInductance(double diameter, double length, double turns)
{
    const double radius = diameter / 2;
    return Mu0 * std::numbers::pi * radius * radius * turns * turns / length * NagaokaK(length / diameter);
}

// Rosa (1906): L = Ls - mu0 (D/2) N (ks + km), the current sheet of
// the same diameter and length N p, less the round-wire corrections.
double CoilInductance(const TCoilShape& shape, double turns)
{
    const double diameter = MeanDiameter(shape);
    const double sheet = SheetInductance(diameter, turns * shape.Pitch, turns);
    return sheet - Mu0 * diameter / 2 * turns * (RosaKs(shape.Pitch, shape.Bare) + RosaKm(turns));
}

// H. A. Wheeler, "Simple inductance formulas for radio coils", Proc. IRE 16
// (1928) 1398: L = D^2 N^2 / (18 D + 40 l) uH with D and l in inches, within
// 1 % for l > 0.4 D. Here D and l in mm, hence the 25.4.
double WheelerInductance(double diameter, double length, double turns)
{
    return diameter * diameter * turns * turns / (25.4 * (18 * diameter + 40 * length));
}

TWinding Wind(const TCoilShape& shape, double required)
{
    TWinding w;
    const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!positive(shape.Former))
        w.Fault = TWindingFault::Former;
    else if (!positive(shape.Bare))
        w.Fault = TWindingFault::Bare;
    else if (!positive(shape.Insulated) || shape.Insulated < shape.Bare)
        w.Fault = TWindingFault::Insulated;
    else if (!positive(shape.Pitch) || shape.Pitch < shape.Insulated)
        w.Fault = TWindingFault::Pitch;
    else if (!positive(required))
        w.Fault = TWindingFault::Inductance;
    if (w.Fault != TWindingFault::None)
        return w;

    const auto inductance = [&](double n) { return CoilInductance(shape, n); };
    w.OneTurn = inductance(1);
    if (!(w.OneTurn <= required)) {
        w.Fault = TWindingFault::OneTurnMore;
        return w;
    }
    // Bracket: double the turns until the inductance reaches the required one.
    double low = 1;
    double high = 2;
    while (inductance(high) < required) {
        if (high >= MaxTurns) {
            w.Fault = TWindingFault::TooManyTurns;
            return w;
        }
        low = high;
        high = std::min(2 * high, MaxTurns);
    }
    // Bisect; L(low) <= required <= L(high) holds throughout.
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        const double mid = (low + high) / 2;
        (inductance(mid) < required ? low : high) = mid;
    }
    w.Turns = (low + high) / 2;
    // A solution a hair above a whole number is that whole number.
    w.WholeTurns = std::ceil(w.Turns * (1 - 1e-12));
    w.WholeInductance = inductance(w.WholeTurns);
    const double diameter = MeanDiameter(shape);
    w.Length = w.Turns * shape.Pitch;
    const double circumference = std::numbers::pi * diameter;
    w.WireLength = w.Turns * std::hypot(circumference, shape.Pitch) / 1000;
    w.LengthOverDiameter = w.Length / diameter;
    w.Nagaoka = NagaokaK(w.LengthOverDiameter);
    w.Wheeler = WheelerInductance(diameter, w.Length, w.Turns);
    return w;
}

QString FaultText(const TWinding& winding)
{
    switch (winding.Fault) {
    case TWindingFault::None: return QString();
    case TWindingFault::Former: return QStringLiteral("Enter the former's diameter.");
    case TWindingFault::Bare: return QStringLiteral("Enter the bare wire's diameter.");
    case TWindingFault::Insulated: return QStringLiteral("The insulated wire cannot be thinner than the bare wire.");
    case TWindingFault::Pitch: return QStringLiteral("The pitch cannot be less than the insulated wire.");
    case TWindingFault::Inductance: return QStringLiteral("Enter the required L.");
    case TWindingFault::OneTurnMore:
        return QStringLiteral("One turn already gives %1 uH, more than the required L.")
            .arg(NumberText(winding.OneTurn, 'f', 3));
    case TWindingFault::TooManyTurns: return QStringLiteral("That L needs more than 100,000 turns.");
    }
    return QString();
}

QString NumberText(double v, char format, int precision)
{
    return QString::number(v, format, precision).replace(QLatin1Char('.'), vorn::DecimalSeparator());
}

} // namespace coil
