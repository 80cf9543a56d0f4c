// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// A dot-matrix label with any text, character matrix, dot geometry,
// position, block mode and frame, painted and scrolled: the picture is the
// label's size at every step (none without area), painting it again gives
// the same picture, and an empty text lights no dot. The label is at most 320 x 120 pixels and
// AutoHeight follows only small matrices, so one execution stays fast.
#include "Colors.h"
#include "Exceptions.h"
#include "FuzzSupport.h"
#include "RasterLab.h"

#include <QImage>

#include <cstring>
#include <memory>

using namespace vorn;

namespace {

// Opens the composing and the scroll step to the target.
class TLabel : public TRasterLab
{
public:
    using TRasterLab::Compose;
    using TRasterLab::DoTimer;
};

// A lit-dot colour nothing else in the picture has.
constexpr TColor DotOn = 0x123456;

// The matrix from the input: any rows and edges, and a size that is any
// int32 only when AutoHeight is off (the label's height follows it).
TRDCharMatrix ConsumeMatrix(FuzzedDataProvider& in, bool anySize)
{
    TRDCharMatrix m = TRasterLab::CreateBitFont(nullptr);
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

bool HasColour(const QImage& image, QRgb rgb)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF))
                return true;
    return false;
}

void CheckPicture(TLabel& label, const QString& detail)
{
    const QImage picture = label.Compose(1.0);
    // A label without area has no picture.
    const bool empty = label.width() == 0 || label.height() == 0;
    FUZZ_CHECK(empty ? picture.isNull() : picture.size() == label.size(), detail);
    FUZZ_CHECK(label.Compose(1.0) == picture, detail);
    if (label.Text().isEmpty())
        FUZZ_CHECK(!HasColour(picture, RgbFromColor(DotOn)), detail);
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
    auto label = std::make_unique<TLabel>();
    label->resize(in.ConsumeIntegralInRange(0, 320), in.ConsumeIntegralInRange(0, 120));
    label->SetColorDotOn(DotOn);
    label->SetColorDotOff(0x654321);
    label->SetColorLabBakG(clBlack);
    label->SetFrameStyle(static_cast<TFrameStyle>(in.ConsumeIntegralInRange(0, 5)));
    label->SetCharBlockMode(static_cast<TRDBlockMode>(in.ConsumeIntegralInRange(0, 2)));
    label->SetProportional(in.ConsumeBool());
    label->SetDotSize(ConsumeAnyInt(in));
    label->SetDotSpacing(ConsumeAnyInt(in));
    label->SetXPos(ConsumeAnyInt(in));
    label->SetYPos(ConsumeAnyInt(in));
    const bool autoHeight = in.ConsumeBool();
    label->SetCharMatrix(ConsumeMatrix(in, !autoHeight));
    label->SetAutoHeight(autoHeight);
    label->SetAutoCenter(in.ConsumeBool());
    label->SetScrollLoop(in.ConsumeBool());
    label->SetScrollInc(ConsumeAnyInt(in));
    label->SetLabText(ConsumeText(in, 64));
    label->show();
    const QString detail = QStringLiteral("text %1, %2 x %3").arg(Quoted(label->Text())).arg(label->width()).arg(label->height());
    CheckPicture(*label, detail);
    // A few scroll steps in the chosen direction; the timer itself stays off.
    const auto mode = static_cast<TRDScrollMode>(in.ConsumeIntegralInRange(0, 4));
    const int steps = in.ConsumeIntegralInRange(0, 4);
    try {
        label->SetScrollMode(mode);
        for (int i = 0; i < steps; ++i)
            label->DoTimer();
    } catch (const EVornRasterLabError&) {
        // No timer for the scrolling: the label's own error, a clear one.
    }
    CheckPicture(*label, detail);
    return 0;
}
