// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric field's core (no widget: a detached host) in every input
// format and separator policy, given any sequence of texts, values, keys,
// pastes and settings: a text it accepts
// is taken whole and one it refuses leaves it unchanged; keys and pastes
// never leave a text its format refuses (but for the empty text and a lone
// sign); the value read back is never NaN, and a value written reads back
// as itself to the format's precision.
#include "Exceptions.h"
#include "FuzzSupport.h"
#include "NumIOCore_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <cmath>
#include <functional>
#include <memory>

using namespace vorn;

namespace {

// The field's host: the detached host's fixed size, font and palette; the
// field's changes, blink and focus go nowhere.
struct TFieldHost final : TDetachedHost, TNumIO2Host
{
};

// The keys that edit a number, and some that must be refused.
constexpr Qt::Key Keys[] = {
    Qt::Key_0,     Qt::Key_1,     Qt::Key_2,     Qt::Key_3,         Qt::Key_4,      Qt::Key_5,
    Qt::Key_6,     Qt::Key_7,     Qt::Key_8,     Qt::Key_9,         Qt::Key_A,      Qt::Key_B,
    Qt::Key_C,     Qt::Key_D,     Qt::Key_E,     Qt::Key_F,         Qt::Key_G,      Qt::Key_V,
    Qt::Key_X,     Qt::Key_Plus,  Qt::Key_Minus, Qt::Key_Period,    Qt::Key_Comma,  Qt::Key_Dollar,
    Qt::Key_Space, Qt::Key_Left,  Qt::Key_Right, Qt::Key_Home,      Qt::Key_End,    Qt::Key_Backspace,
    Qt::Key_Delete, Qt::Key_Up,   Qt::Key_Down,  Qt::Key_Percent,   Qt::Key_Ampersand, Qt::Key_Shift,
};

QString Describe(TNumIO2Core& f)
{
    return QStringLiteral("format %1, separator %2, text %3").arg(int(f.InputFormat())).arg(int(f.DecPlaceSep())).arg(Quoted(f.Text()));
}

// The empty text and a lone sign stand while a number is typed.
bool Acceptable(TNumIO2Core& f)
{
    const QString t = f.Text();
    return t.isEmpty() || t == u"-" || t == u"+" || f.CheckValidity(t);
}

void PressKey(TNumIO2Core& f, FuzzedDataProvider& in)
{
    const Qt::Key key = in.PickValueInArray(Keys);
    Qt::KeyboardModifiers mods;
    const uint8_t m = in.ConsumeIntegral<uint8_t>();
    if (m & 1)
        mods |= Qt::ShiftModifier;
    if (m & 2)
        mods |= Qt::ControlModifier;
    if (m & 4)
        mods |= Qt::KeypadModifier;
    const QString text = key < 0x7F && !(m & 2) ? QString(QChar(key)) : QString();
    const QKeyEvent press(QEvent::KeyPress, key, mods, text);
    const QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    f.KeyPress(press);
    f.KeyRelease(release);
}

void Paste(TNumIO2Core& f, const QString& pasted)
{
    const QString before = f.Text();
    QGuiApplication::clipboard()->setText(pasted);
    const QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    f.KeyPress(press);
    const QString after = f.Text();
    // Refused, or taken whole.
    FUZZ_CHECK(after == before || (after.size() == before.size() + pasted.size() && after.contains(pasted)),
               QStringLiteral("paste of %1 into %2 gave %3").arg(Quoted(pasted), Quoted(before), Quoted(after)));
}

void SetText(TNumIO2Core& f, const QString& text)
{
    const QString before = f.Text();
    const bool valid = text.isEmpty() || f.CheckValidity(text);
    f.SetNioText(text);
    FUZZ_CHECK(f.Text() == (valid ? text : before), QStringLiteral("SetNioText(%1): %2").arg(Quoted(text), Describe(f)));
}

// A value written reads back as itself, to the digits the format keeps.
void SetValue(TNumIO2Core& f, double v)
{
    if (!Converts([&] { f.SetNioValue(v); }))
        return;
    const double back = f.GetNioValue();
    const QString detail = QStringLiteral("SetNioValue(%1) read %2: %3").arg(v, 0, 'g', 17).arg(back, 0, 'g', 17).arg(Describe(f));
    const double a = std::fabs(v);
    switch (f.InputFormat()) {
    case itExp:
        if (a > 1e-98 && a < 1e98)
            FUZZ_CHECK(std::fabs(back - v) <= a * 0.5 * std::pow(10.0, 1 - f.SignificantDigits()) * (1 + 1e-12), detail);
        break;
    case itFloat:
    case itFixPoint:
        if (a < 1e15)
            FUZZ_CHECK(std::fabs(back - v) <= 0.5 * std::pow(10.0, -f.FixPointDecPlaces()) * (1 + 1e-12) + a * 1e-15, detail);
        break;
    default:
        if (a < 2147483647.0)
            FUZZ_CHECK(back == std::nearbyint(v), detail);
        break;
    }
}

constexpr TInFormat Formats[] = {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic};
constexpr TDecPSep Policies[] = {dsSystem, dsDot, dsComma, dsBoth};

// One step of the sequence; returns whether it keeps an acceptable text
// acceptable (a written value or a new format writes a text of its own).
bool Step(TNumIO2Core& f, FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0: SetText(f, ConsumeText(in, 40)); return true;
    case 1: SetValue(f, ConsumeAnyDouble(in)); return false;
    case 2: PressKey(f, in); return true;
    case 3: Paste(f, ConsumeText(in, 40)); return true;
    case 4: {
        const TInFormat old = f.InputFormat();
        if (!Converts([&] { f.SetInFormatType(in.PickValueInArray(Formats)); }))
            FUZZ_CHECK(f.InputFormat() == old, Describe(f));
        return false;
    }
    case 5:
        // A new policy rewrites the separators by rule, which may leave a
        // text the new policy refuses: "," and "." both pass under the comma
        // policy, and ",." becomes ".." under the dot policy.
        f.SetDecSep(in.PickValueInArray(Policies));
        return false;
    case 6: {
        // A new digit count writes the value again in the field's format,
        // which refuses one beyond its integers (EInvalidOp) as a written
        // value does.
        const int decimals = ConsumeAnyInt(in);
        const int digits = ConsumeAnyInt(in);
        Converts([&] { f.SetDecP(decimals); });
        Converts([&] { f.SetSigDig(digits); });
        return false;
    }
    default:
        f.SetSelBegin(ConsumeAnyInt(in));
        f.SetSelEnd(ConsumeAnyInt(in));
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    TFieldHost host;
    auto f = std::make_unique<TNumIO2Core>(host, host);
    f->SetDecSep(in.PickValueInArray(Policies));
    Converts([&] { f->SetInFormatType(in.PickValueInArray(Formats)); });
    // One input in eight shows the field (composing costs more than all the
    // steps together, so the fuzzer keeps most of its time for them).
    const bool shown = in.ConsumeIntegralInRange(0, 7) == 0;
    bool acceptable = true;
    for (int i = 0; i < 24 && in.remaining_bytes() > 0; ++i) {
        const bool keeps = Step(*f, in);
        if (keeps && acceptable)
            FUZZ_CHECK(Acceptable(*f), Describe(*f));
        acceptable = Acceptable(*f);
        const double v = f->GetNioValue();
        FUZZ_CHECK(!std::isnan(v), Describe(*f));
        Converts([&] { f->GetNioIntValue(); });
    }
    // A field on the screen composes the picture of what the steps left:
    // caption, box, text, caret and selection as they stand.
    if (shown)
        f->Compose(QImage(host.FSize, QImage::Format_ARGB32_Premultiplied));
    return 0;
}
