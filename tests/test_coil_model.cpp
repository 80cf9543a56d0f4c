// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The single-layer coil model against the published tables it rests on:
// Nagaoka's coefficient, Rosa's mutual-inductance correction, whole coils
// worked from those tables, Wheeler's stated accuracy, the solver's round
// trip and the inputs it refuses.
#include "CoilWinding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <vector>

using namespace coil;

namespace {

// Nagaoka's coefficient by diameter / length, to the table's four decimals
// (Nagaoka 1909, as tabulated by Rosa and Grover, Sci. Paper 169, 1916).
struct NagaokaRow
{
    double DiameterOverLength;
    double K;
};
const std::vector<NagaokaRow> NagaokaTable{
    {0.1, 0.9588}, {0.2, 0.9201}, {0.3, 0.8838}, {0.4, 0.8499}, {0.5, 0.8181}, {0.6, 0.7885}, {0.7, 0.7609},
    {0.8, 0.7351}, {0.9, 0.7110}, {1.0, 0.6884}, {2.0, 0.5255}, {3.0, 0.4292}, {4.0, 0.3654}, {5.0, 0.3198},
    {6.0, 0.2854}, {7.0, 0.2584}, {8.0, 0.2366}, {9.0, 0.2185}, {10.0, 0.2033},
};

// Rosa's correction B (km) by number of turns, to the table's four decimals
// (Grover, "Inductance Calculations", 1946, p. 150).
struct RosaRow
{
    int N;
    double Km;
};
const std::vector<RosaRow> RosaTable{
    {1, 0.0000},  {2, 0.1137},  {3, 0.1663},  {4, 0.1973},  {5, 0.2180},  {6, 0.2329},  {7, 0.2443},
    {8, 0.2532},  {9, 0.2604},  {10, 0.2664}, {11, 0.2715}, {12, 0.2758}, {13, 0.2795}, {14, 0.2828},
    {15, 0.2857}, {16, 0.2883}, {17, 0.2906}, {18, 0.2927}, {19, 0.2946}, {20, 0.2964}, {21, 0.2980},
    {22, 0.2994}, {23, 0.3008}, {24, 0.3020}, {25, 0.3032}, {26, 0.3043}, {27, 0.3053}, {28, 0.3062},
    {29, 0.3071}, {30, 0.3079}, {31, 0.3087}, {32, 0.3095}, {33, 0.3102}, {34, 0.3109}, {35, 0.3115},
    {36, 0.3121}, {37, 0.3127}, {38, 0.3132}, {39, 0.3137}, {40, 0.3142}, {41, 0.3147}, {42, 0.3152},
    {43, 0.3156}, {44, 0.3160}, {45, 0.3164}, {46, 0.3168}, {47, 0.3172}, {48, 0.3175}, {49, 0.3179},
    {50, 0.3182}, {55, 0.3197}, {60, 0.3210}, {65, 0.3221}, {70, 0.3230}, {75, 0.3238}, {80, 0.3246},
    {85, 0.3253}, {90, 0.3259}, {95, 0.3264}, {100, 0.3269},
};

// Half a unit in the table's last place, and a little for the binary digits.
constexpr double HalfLastPlace = 0.00005 + 1e-9;

// Permeability of free space in uH per mm.
constexpr double Mu0 = 4e-4 * std::numbers::pi;

TEST(CoilModel, NagaokaCoefficientMatchesHisTable)
{
    for (const NagaokaRow& row : NagaokaTable)
        EXPECT_NEAR(NagaokaK(1 / row.DiameterOverLength), row.K, HalfLastPlace) << "D/l = " << row.DiameterOverLength;
}

// The ends of the range: a long sheet approaches 1 - 4 D / (3 pi l), the
// first terms of the long-solenoid series (Rosa and Grover, Sci. Paper 169),
// whose next term is D^2 / (8 l^2); a short one falls towards 0.
TEST(CoilModel, NagaokaCoefficientAtTheEnds)
{
    for (double x : {1e2, 1e4, 1e6, 1e8})
        EXPECT_NEAR(NagaokaK(x), 1 - 4 / (3 * std::numbers::pi * x), 0.2 / (x * x) + 1e-12) << "l/D = " << x;
    EXPECT_LT(NagaokaK(1e-4), 0.001);
    EXPECT_GT(NagaokaK(1e-4), 0);
}

// Within one unit of the table's last place: two entries (N = 30 and 75)
// lie 0.53 and 0.71 of a unit from the exact sums, which the other 58 meet
// within half a unit.
TEST(CoilModel, RosaMutualCorrectionMatchesHisTable)
{
    int withinHalf = 0;
    for (const RosaRow& row : RosaTable) {
        EXPECT_NEAR(RosaKm(row.N), row.Km, 2 * HalfLastPlace) << "N = " << row.N;
        withinHalf += std::abs(RosaKm(row.N) - row.Km) <= HalfLastPlace;
    }
    EXPECT_GE(withinHalf, int(RosaTable.size()) - 2);
}

// Beyond the table's rows: km keeps rising to its limit ln(2 pi) - 3/2,
// which it approaches as ln(N) / (6 N) (Grover's series).
TEST(CoilModel, RosaMutualCorrectionRisesToItsLimit)
{
    const double limit = std::log(2 * std::numbers::pi) - 1.5;
    double last = RosaKm(100);
    for (int n : {200, 500, 1000, 10000, 100000}) {
        const double km = RosaKm(n);
        EXPECT_GT(km, last) << n;
        EXPECT_LT(km, limit) << n;
        EXPECT_LT(limit - km, (std::log(n) / 6 + 0.34) / n) << n;
        last = km;
    }
}

// Whole coils worked by hand from the two tables, L = mu0 pi a^2 N^2 / l * K
// - mu0 a N (ks + km), for l/D from 0.2 to 10: the model agrees within
// 0.1 % (the tables' four decimals account for most of the difference).
TEST(CoilModel, WholeCoilsAgreeWithTheTablesWithinATenthOfAPercent)
{
    const double bare = 0.5, insulated = 0.55, pitch = 0.55;
    for (const NagaokaRow& nagaoka : NagaokaTable) {
        if (nagaoka.DiameterOverLength > 5)
            continue; // l/D below 0.2
        for (int n : {20, 50, 100}) {
            const auto rosa = std::find_if(RosaTable.begin(), RosaTable.end(), [n](const RosaRow& r) { return r.N == n; });
            const double length = n * pitch;
            const double diameter = length * nagaoka.DiameterOverLength;
            const TCoilShape shape{diameter - insulated, bare, insulated, pitch};
            const double a = diameter / 2;
            const double ks = 1.25 - std::log(2 * pitch / bare);
            const double expected =
                Mu0 * std::numbers::pi * a * a * n * n / length * nagaoka.K - Mu0 * a * n * (ks + rosa->Km);
            const double got = CoilInductance(shape, n);
            EXPECT_NEAR(got / expected, 1, 1e-3) << "l/D = " << 1 / nagaoka.DiameterOverLength << ", N = " << n;
            // And the solver finds those turns for that inductance.
            EXPECT_NEAR(Wind(shape, expected).Turns, n, 1e-3 * n);
        }
    }
}

// Wheeler (1928) states his formula within 1 % of the current sheet for
// coils longer than 0.4 of their diameter.
TEST(CoilModel, WheelerIsWithinOnePercentOfTheSheetForCoilsLongerThanPointFourD)
{
    const double diameter = 20;
    for (double x : {0.4, 0.5, 0.8, 1.0, 2.0, 5.0, 10.0, 100.0}) {
        const double length = x * diameter;
        EXPECT_NEAR(WheelerInductance(diameter, length, 30) / SheetInductance(diameter, length, 30), 1, 0.01)
            << "l/D = " << x;
    }
}

// The calculator's 8.451 uH (7.100 MHz, 377.0 ohm) as a close-wound coil of
// 0.5 mm wire, 0.55 mm insulated, on a 20 mm former.
TEST(CoilModel, TheCalculatorsInductanceAsACloseWoundCoil)
{
    const TCoilShape shape{20, 0.5, 0.55, 0.55};
    const TWinding w = Wind(shape, 8.451);
    ASSERT_EQ(w.Fault, TWindingFault::None);
    EXPECT_NEAR(CoilInductance(shape, w.Turns) / 8.451, 1, 1e-3);
    EXPECT_EQ(w.WholeTurns, std::ceil(w.Turns));
    EXPECT_GE(w.WholeInductance, 8.451);
    EXPECT_NEAR(w.Length, w.Turns * 0.55, 1e-9);
    EXPECT_NEAR(w.LengthOverDiameter, w.Length / 20.55, 1e-12);
    // Some 2.2 m of wire: a little more than Turns circumferences.
    EXPECT_GT(w.WireLength, w.Turns * std::numbers::pi * 20.55 / 1000);
    EXPECT_LT(w.WireLength, w.Turns * (std::numbers::pi * 20.55 + 0.55) / 1000);
    // Wheeler's current sheet reads a little above the round wire's L.
    EXPECT_GT(w.Wheeler, 8.451);
    EXPECT_LT(w.Wheeler, 8.451 * 1.05);
}

// Turns -> L -> turns over a grid of formers, wires, pitches and turns.
TEST(CoilModel, SolverRoundTripsOverAGridOfShapes)
{
    struct Wire
    {
        double Bare, Insulated;
    };
    int cases = 0;
    for (double former : {1.0, 5.0, 20.0, 100.0, 1000.0})
        for (const Wire wire : {Wire{0.1, 0.12}, Wire{0.5, 0.55}, Wire{2.0, 2.2}})
            for (double spacing : {1.0, 1.5, 3.0})
                for (double n : {1.5, 3.0, 10.0, 75.25, 1000.0, 30000.0}) {
                    const TCoilShape shape{former, wire.Bare, wire.Insulated, wire.Insulated * spacing};
                    const double l = CoilInductance(shape, n);
                    const TWinding w = Wind(shape, l);
                    ASSERT_EQ(w.Fault, TWindingFault::None) << former << " " << wire.Bare << " " << n;
                    EXPECT_NEAR(w.Turns, n, 1e-9 * n) << former << " " << wire.Bare << " " << spacing;
                    EXPECT_EQ(w.WholeTurns, std::ceil(n)) << n;
                    EXPECT_GE(w.WholeInductance, l * (1 - 1e-12));
                    EXPECT_GT(CoilInductance(shape, n * 1.01), l); // grows with the turns
                    ++cases;
                }
    EXPECT_EQ(cases, 5 * 3 * 3 * 6);
}

TEST(CoilModel, RefusesInputsItCannotWind)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case
    {
        TCoilShape Shape;
        double L;
        TWindingFault Fault;
    };
    const std::vector<Case> cases{
        {{0, 0.5, 0.55, 0.55}, 8.451, TWindingFault::Former},
        {{-20, 0.5, 0.55, 0.55}, 8.451, TWindingFault::Former},
        {{nan, 0.5, 0.55, 0.55}, 8.451, TWindingFault::Former},
        {{inf, 0.5, 0.55, 0.55}, 8.451, TWindingFault::Former},
        {{20, 0, 0.55, 0.55}, 8.451, TWindingFault::Bare},
        {{20, 0.5, 0.45, 0.55}, 8.451, TWindingFault::Insulated},
        {{20, 0.5, 0, 0.55}, 8.451, TWindingFault::Insulated},
        {{20, 0.5, 0.55, 0.54}, 8.451, TWindingFault::Pitch},
        {{20, 0.5, 0.55, 0}, 8.451, TWindingFault::Pitch},
        {{20, 0.5, 0.55, 0.55}, 0, TWindingFault::Inductance},
        {{20, 0.5, 0.55, 0.55}, -1, TWindingFault::Inductance},
        {{20, 0.5, 0.55, 0.55}, nan, TWindingFault::Inductance},
        {{20, 0.5, 0.55, 0.55}, 0.01, TWindingFault::OneTurnMore},
        {{20, 0.5, 0.55, 0.55}, 1e9, TWindingFault::TooManyTurns},
        {{0.1, 0.01, 0.01, 100}, 1e3, TWindingFault::TooManyTurns},
    };
    std::set<QString> texts;
    for (const Case& c : cases) {
        const TWinding w = Wind(c.Shape, c.L);
        EXPECT_EQ(int(w.Fault), int(c.Fault)) << c.Shape.Former << " " << c.Shape.Pitch << " " << c.L;
        EXPECT_FALSE(FaultText(w).isEmpty());
        texts.insert(FaultText(w));
    }
    EXPECT_EQ(texts.size(), 7u); // each fault says something of its own
    // Exactly one turn is still a coil; exactly the limit of turns too.
    const TCoilShape shape{20, 0.5, 0.55, 0.55};
    EXPECT_NEAR(Wind(shape, CoilInductance(shape, 1)).Turns, 1, 1e-9);
    EXPECT_NEAR(Wind(shape, CoilInductance(shape, MaxTurns)).Turns, MaxTurns, 1e-3);
    EXPECT_EQ(Wind(shape, CoilInductance(shape, MaxTurns) * 1.001).Fault, TWindingFault::TooManyTurns);
}

} // namespace
