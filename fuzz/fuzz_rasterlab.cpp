// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// A dot-matrix label with any text, character matrix, dot geometry,
// position, block mode and frame, painted and scrolled: the picture is the
// label's size at every step (none without area), painting it again gives
// the same picture, and an empty text lights no dot. The label is at most 320 x 120 pixels and
// AutoHeight follows only small matrices, so one execution stays fast.
// The label's core is driven directly, on a host without a widget: what the
// widget adds (a window, its events, the timer's Qt object) is not what this
// target looks for. The pictures are composed and checked for one input in
// PaintEvery (see there); every input sets the label up and scrolls it.
#include "Colors.h"
#include "ControlHost_p.h"
#include "FuzzSupport.h"
#include "RasterLabCore_p.h"

#include <QGuiApplication>
#include <QImage>

#include <cstring>
#include <memory>

using namespace vorn;

namespace {

// The label's host as the widget is one off the screen: of the widget's
// first font and the application's palette, and every paint leaves the
// text's length as the widget's paint does when it composes nothing. The
// scroll timer only records whether it runs: the target steps by hand.
class THost final : public TDetachedHost, public TRasterLabScrollHost
{
public:
    THost()
    {
        FFont = QFont(QStringLiteral("default"), 8);
        FPalette = QGuiApplication::palette();
    }
    void Paint() override
    {
        TDetachedHost::Paint();
        if (Label)
            Label->NoteTextLength();
    }
    void StartScrollTimer(int) override { TimerRunning = true; }
    void StopScrollTimer() override { TimerRunning = false; }

    TRasterLabCore* Label = nullptr;
    bool TimerRunning = false;
};

// A label on its host, with the matrix of the host's font, as a new widget
// starts.
struct TLabel
{
    TLabel()
    {
        host.Label = &core;
        core.FollowFont();
    }
    QSize size() const { return host.Size(); }
    int width() const { return host.Size().width(); }
    int height() const { return host.Size().height(); }

    THost host;
    TRasterLabCore core{host, host};
};

// A lit-dot colour nothing else in the picture has.
constexpr TColor DotOn = 0x123456;

// The matrix from the input: any rows and edges, and a size that is any
// int32 only when AutoHeight is off (the label's height follows it).
TRDCharMatrix ConsumeMatrix(FuzzedDataProvider& in, bool anySize)
{
    // The built-in font, made once: it is the same for every input.
    static const TRDCharMatrix builtIn = TRasterLabCore::CreateBitFont(nullptr, clBlack);
    TRDCharMatrix m = builtIn;
    const int glyphs = in.ConsumeIntegralInRange(0, 8);
    for (int g = 0; g < glyphs; ++g) {
        const uint8_t c = in.ConsumeIntegral<uint8_t>();
        m.LeftMostBit[c] = in.ConsumeIntegral<uint8_t>();
        m.RightMostBit[c] = in.ConsumeIntegral<uint8_t>();
        for (uint32_t& row : m.BitData[c])
            row = in.ConsumeIntegral<uint32_t>();
    }
    if (in.ConsumeBool()) {
        m.FontWidth = anySize ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange(-4, 40);
        m.FontHeight = anySize ? in.ConsumeIntegral<int32_t>() : in.ConsumeIntegralInRange(-4, 40);
    }
    return m;
}

// Reads every pixel of the picture: the target's own loop, kept out of the
// coverage and address instrumentation, which would otherwise take most of
// an execution for nothing the fuzzer learns from.
__attribute__((no_sanitize("coverage", "address"))) bool HasColour(const QImage& image, QRgb rgb)
{
    // The composed picture is 32-bit RGB: its rows are read as they are.
    const QImage img = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
                               image.format() == QImage::Format_ARGB32_Premultiplied
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const QRgb want = rgb & 0xFFFFFF;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((row[x] & 0xFFFFFF) == want)
                return true;
    }
    return false;
}

void CheckPicture(TLabel& label, const QString& detail)
{
    const QImage picture = label.core.Compose(1.0);
    // A label without area has no picture.
    const bool empty = label.width() == 0 || label.height() == 0;
    FUZZ_CHECK(empty ? picture.isNull() : picture.size() == label.size(), detail);
    FUZZ_CHECK(label.core.Compose(1.0) == picture, detail);
    if (label.core.Text().isEmpty())
        FUZZ_CHECK(!HasColour(picture, RgbFromColor(DotOn)), detail);
}

// Composing the pictures takes most of an execution. Every input sets the
// label up and scrolls it; one in PaintEvery also composes its pictures and
// checks them, before and after the scroll steps. The input's own bytes
// choose which (a hash of them), so that an input always does the same, a
// saved failing input fails again when run alone, and the fuzzer's coverage
// does not lead it towards or away from painting.
constexpr uint32_t PaintEvery = 16;

__attribute__((no_sanitize("coverage"))) bool Paints(const uint8_t* data, size_t size)
{
    uint32_t h = 2166136261u; // FNV-1a
    for (size_t i = 0; i < size; ++i)
        h = (h ^ data[i]) * 16777619u;
    return h % PaintEvery == 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const bool paints = Paints(data, size);
    FuzzedDataProvider in(data, size);
    auto label = std::make_unique<TLabel>();
    TRasterLabCore& core = label->core;
    label->host.Resize(QSize(in.ConsumeIntegralInRange(0, 320), in.ConsumeIntegralInRange(0, 120)));
    core.SetColorDotOn(DotOn);
    core.SetColorDotOff(0x654321);
    core.SetColorLabBakG(clBlack);
    core.SetFrameStyle(static_cast<TFrameStyle>(in.ConsumeIntegralInRange(0, 5)));
    core.SetCharBlockMode(static_cast<TRDBlockMode>(in.ConsumeIntegralInRange(0, 2)));
    core.SetProportional(in.ConsumeBool());
    core.SetDotSize(ConsumeAnyInt(in));
    core.SetDotSpacing(ConsumeAnyInt(in));
    core.SetXPos(ConsumeAnyInt(in));
    core.SetYPos(ConsumeAnyInt(in));
    const bool autoHeight = in.ConsumeBool();
    core.SetCharMatrix(ConsumeMatrix(in, !autoHeight));
    core.SetAutoHeight(autoHeight);
    core.SetAutoCenter(in.ConsumeBool());
    core.SetScrollLoop(in.ConsumeBool());
    core.SetScrollInc(ConsumeAnyInt(in));
    core.SetLabText(ConsumeText(in, 64));
    // Text and size stay as they are now while the label scrolls.
    QString detail;
    if (paints) {
        detail = QStringLiteral("text %1, %2 x %3").arg(Quoted(core.Text())).arg(label->width()).arg(label->height());
        CheckPicture(*label, detail);
    }
    // A few scroll steps in the chosen direction; the timer itself stays off.
    const auto mode = static_cast<TRDScrollMode>(in.ConsumeIntegralInRange(0, 4));
    const int steps = in.ConsumeIntegralInRange(0, 4);
    const int scrollX = core.ScrollPosX(), scrollY = core.ScrollPosY();
    core.SetScrollMode(mode);
    for (int i = 0; i < steps; ++i)
        core.ScrollStep();
    // A text that has not moved shows the picture already checked.
    if (paints && (core.ScrollPosX() != scrollX || core.ScrollPosY() != scrollY))
        CheckPicture(*label, detail);
    return 0;
}
