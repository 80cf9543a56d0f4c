// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The invariants of a random-event run, checked after every event.
#include "Runner.h"

#include "NumIO.h"
#include "NumIO_p.h"
#include "NumLab.h"
#include "Trail.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QApplication>

#include <cmath>

using namespace vorn;

namespace chaos {
namespace {

// A text that may stand in a field: empty or a lone sign while a number is
// typed, otherwise one that its format's validator accepts.
bool ValidText(const TNumIO2* f, const QString& t)
{
    if (t.isEmpty() || t == u"-" || t == u"+")
        return true;
    switch (f->InputFormat()) {
    case itExp: return IsValidDouble(t, true, f->DecPlaceSep());
    case itFloat: return IsValidFPNum(t, f->DecPlaceSep());
    case itInt: return IsValidDecInt(t);
    case itHex: return IsValidHex(t);
    case itOct: return IsValidOct(t);
    case itBin: return IsValidBin(t);
    default: return f->CheckValidity(t);
    }
}

// Half a unit of the last digit a field's text shows: of its decimals in
// the fixed form, of its mantissa's decimals times the power in the
// exponential form that very large and very small values take.
double HalfUnit(const QString& shown)
{
    const qsizetype e = shown.indexOf(u'E', 0, Qt::CaseInsensitive);
    const QString mantissa = e < 0 ? shown : shown.left(e);
    qsizetype sep = mantissa.indexOf(u'.');
    if (sep < 0)
        sep = mantissa.indexOf(u',');
    const int decimals = sep < 0 ? 0 : int(mantissa.size() - sep - 1);
    const int power = e < 0 ? 0 : shown.mid(e + 1).toInt();
    return 0.5 * std::pow(10.0, power - decimals);
}

// A field reads back the number its text shows, which is the written value
// rounded to the text's last digit (and, for a very large value, its
// digits as far as a double holds them). Reading limits the magnitude to
// 1.7E308.
bool Near(double shown, double written, double halfUnit)
{
    constexpr double Limit = 1.7e308;
    written = std::clamp(written, -Limit, Limit);
    return std::fabs(shown - written) <= halfUnit * (1 + 1e-9) + std::fabs(written) * 1e-13;
}

std::string Number(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// One value a handler stores: into which control, and the outcome.
struct Output
{
    char Which; // 'L', 'X' or 'C'
    Outcome Expected;
};

} // namespace

bool Runner::Fail(const std::string& why)
{
    if (!FFailed)
        PrintFailure(why);
    FFailed = true;
    return false;
}

Runner::Snapshot Runner::Take() const
{
    return {frmMain->nioFreq->Text(), frmMain->nioL->Text(), frmMain->nioXL->Text(), frmMain->nlC->Value(),
            FFaults.size()};
}

// A text the user edited passes its format's validator (or is empty or a
// lone sign); a text the window's handlers or its start wrote may take the
// exponential form a very large or very small value is written in, and
// keeps that exemption until it changes.
bool Runner::CheckWindows(const Snapshot* before, const TNumIO2* edited)
{
    TNumIO2* fields[] = {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL};
    for (TNumIO2* f : fields) {
        const QString t = f->Text();
        if (FStartup || f == FValueWritten || (before && edited && f != edited && t != TextOf(*before, f)))
            FWritten[f] = t;
        if (!ValidText(f, t) && !(FWritten.contains(f) && FWritten.value(f) == t))
            return Fail(f->objectName().toStdString() + " holds a text its format rejects: " + Describe(t));
    }
    if (frmInfo->isVisible() && QApplication::activeModalWidget() != frmInfo)
        return Fail("the Info window is shown but not modal");
    return true;
}

QString Runner::TextOf(const Snapshot& s, const TNumIO2* f) const
{
    return f == frmMain->nioFreq ? s.F : f == frmMain->nioL ? s.L : s.XL;
}

bool Runner::Check(const Snapshot& before)
{
    if (!CheckWindows(&before, FChanged.empty() ? nullptr : FChanged.back()))
        return false;
    const std::vector<Fault> faults(FFaults.begin() + std::ptrdiff_t(std::min(before.Faults, FFaults.size())),
                                    FFaults.end());
    if (FStartup)
        return CheckHandler(nullptr, nullptr, faults);
    if (FChanged.empty()) {
        if (!faults.empty())
            return Fail(std::string("an exception was reported without a change: ") + FaultName(faults.front()));
        // A value written from outside changes that field alone.
        Snapshot now = Take();
        for (TNumIO2* f : {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL})
            if (f == FValueWritten)
                (f == frmMain->nioFreq ? now.F : f == frmMain->nioL ? now.L : now.XL) = TextOf(before, f);
        if (now.F != before.F || now.L != before.L || now.XL != before.XL || now.C != before.C)
            return Fail("a value changed without a change event: f " + Describe(now.F) + ", L " + Describe(now.L) +
                        ", XL " + Describe(now.XL) + ", C " + Number(now.C));
        return true;
    }
    ++FCounts.Changes;
    // One change per event is the rule; after several only the last is
    // compared, with no values of before.
    return CheckHandler(FChanged.back(), FChanged.size() == 1 ? &before : nullptr, faults);
}

// After a change of `changed` (nullptr: the window's start), its handler
// stored its outputs in order; a fault stops it, leaving that output and
// the later ones as they were and reaching the error report once.
bool Runner::CheckHandler(TNumIO2* changed, const Snapshot* before, const std::vector<Fault>& faults)
{
    TfrmMain* w = frmMain;
    const double f = w->nioFreq->GetNioValue(), l = w->nioL->GetNioValue(), xl = w->nioXL->GetNioValue();
    // A handler waits while an input it needs reads as 0 or less (the start
    // computes from the described values and has no such wait); after a new
    // L, C waits for an XL shown above 0.
    const bool waits = changed && !(f > 0 && (changed == w->nioL ? l : xl) > 0);
    std::vector<Output> outputs;
    if (!waits && changed == w->nioL) {
        outputs = {{'X', ReactanceOf(f, l)}};
        if (xl > 0)
            outputs.push_back({'C', CapacitanceOf(f, xl)});
    } else if (!waits) {
        outputs = {{'L', InductanceOf(f, xl)}, {'C', CapacitanceOf(f, xl)}};
    }
    // Inputs that the handler only reads keep their texts.
    if (before && ((changed == w->nioFreq && w->nioXL->Text() != before->XL) ||
                   (changed != w->nioFreq && w->nioFreq->Text() != before->F)))
        return Fail("the change of " + changed->objectName().toStdString() + " rewrote an input of its handler");
    Fault expected = Fault::None;
    bool stopped = false;
    for (const Output& o : outputs) {
        const std::string name = o.Which == 'L' ? "L" : o.Which == 'X' ? "XL" : "C";
        stopped = stopped || o.Expected.Error != Fault::None;
        if (stopped) {
            if (expected == Fault::None)
                expected = o.Expected.Error;
            const bool kept = !before || (o.Which == 'L'   ? w->nioL->Text() == before->L
                                          : o.Which == 'X' ? w->nioXL->Text() == before->XL
                                                           : w->nlC->Value() == before->C);
            if (!kept)
                return Fail(name + " changed although its handler stopped at a " + FaultName(expected));
            continue;
        }
        const double shown = o.Which == 'L' ? l : o.Which == 'X' ? xl : w->nlC->Value();
        // The label keeps the value itself and shows 3 decimals.
        const double half = o.Which == 'L'   ? HalfUnit(w->nioL->Text())
                            : o.Which == 'X' ? HalfUnit(w->nioXL->Text())
                                             : 0.0005;
        if (!Near(shown, o.Expected.Value, half))
            return Fail(name + " is " + Number(shown) + ", the formula gives " + Number(o.Expected.Value) +
                        " (f " + Number(f) + ", L " + Number(l) + ", XL " + Number(xl) + ")");
    }
    // An input of 0 or less is still being typed: nothing follows it.
    if (before && waits &&
        ((changed != w->nioL && w->nioL->Text() != before->L) ||
         (changed != w->nioXL && w->nioXL->Text() != before->XL) || w->nlC->Value() != before->C))
        return Fail("an input of 0 or less (f " + Number(f) + ", L " + Number(l) + ", XL " + Number(xl) +
                    ") changed another value");
    // After a new L, an XL shown as 0 leaves C as it was.
    if (before && changed == w->nioL && !waits && !(xl > 0) && w->nlC->Value() != before->C)
        return Fail("an XL shown as " + Number(xl) + " changed C");
    const std::vector<Fault> want = expected == Fault::None ? std::vector<Fault>{} : std::vector<Fault>{expected};
    if (faults != want) {
        std::string got;
        for (Fault x : faults)
            got += std::string(got.empty() ? "" : ", ") + FaultName(x);
        for (const std::string& m : FOther)
            got += " \"" + m + "\"";
        return Fail(std::string("the error report got [") + got + "], the formulas expect [" +
                    (want.empty() ? "" : FaultName(want.front())) + "]");
    }
    return true;
}

} // namespace chaos
