// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's geometry, shared by painting and the mouse: the box, the gauge
// rows, and the mapping between character positions and x coordinates.
#include "NumIOCore_p.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <vector>

namespace vorn {

using namespace numio;

namespace {

// Texts up to this many characters are measured and drawn whole.
constexpr qsizetype LongTextLength = 1024;
// Characters drawn beyond each side of the box, so that whatever shaping does
// at the cut lies outside the clip.
constexpr qsizetype SliceMargin = 16;
// How far left of its first choice a cut may move to find a whole pixel, and
// how many cuts are measured exactly before the whole text is drawn instead.
constexpr qsizetype CutSearch = 128;
constexpr int CutTries = 3;

bool IsWhole(qreal v)
{
    return v == std::floor(v);
}

// Whether a slice may begin at character a: not inside a surrogate pair and
// not on a combining mark.
bool CutAllowed(const QString& text, qsizetype a)
{
    const QChar c = text.at(a);
    return !c.isLowSurrogate() && !c.isMark();
}

// The pen position before each character from single characters' advances, in
// 1/64 pixel (the font engine's unit); exact for text without kerning.
std::vector<qint64> EstimatedPositions(const QString& text, const QFontMetricsF& fm)
{
    std::vector<qint64> pos(static_cast<size_t>(text.size()) + 1, 0);
    for (qsizetype i = 0; i < text.size(); ++i)
        pos[i + 1] = pos[i] + std::llround(fm.horizontalAdvance(text.at(i)) * 64);
    return pos;
}

} // namespace

// What a long text's repaint needs, computed once per text and font: the
// width of the whole text, the last few prefix widths asked for (caret and
// selection ends), and the slice drawn for the last origin and box.
struct TNumIO2Core::TLongText
{
    QString text; // shares the field's buffer: the same data is the same text
    QFont font;
    int width = 0;
    std::array<std::pair<int, int>, 4> prefixes;
    size_t nextPrefix = 0;
    int x0 = INT_MIN, boxL = 0, boxR = 0;
    qreal ratio = 0;
    bool sliced = false;
    int offset = 0; // width of the text before the slice
    QString slice;
    bool valued = false; // value read for format and separator policy
    TInFormat format = itFloat;
    TDecPSep sep = dsBoth;
    double value = 0;
};

void TNumIO2Core::TLongTextFree::operator()(TLongText* lt) const
{
    delete lt;
}

TNumIO2Core::TLongText* TNumIO2Core::LongText() const
{
    if (FInBuffer.size() <= LongTextLength) {
        FLongText.reset();
        return nullptr;
    }
    const QFont f = FHost.Font();
    const TLongText* lt = FLongText.get();
    if (!lt || lt->text.constData() != FInBuffer.constData() || lt->text.size() != FInBuffer.size() ||
        lt->font != f) {
        std::unique_ptr<TLongText, TLongTextFree> fresh(new TLongText());
        fresh->text = FInBuffer;
        fresh->font = f;
        fresh->width = TextWidthOf(FInBuffer);
        fresh->prefixes.fill({INT_MIN, 0});
        FLongText = std::move(fresh);
    }
    return FLongText.get();
}

double TNumIO2Core::PaintedValue()
{
    TLongText* lt = LongText();
    if (!lt)
        return GetNioValue();
    if (!lt->valued || lt->format != FInputFormat || lt->sep != FDecPSep) {
        lt->value = GetNioValue();
        lt->format = FInputFormat;
        lt->sep = FDecPSep;
        lt->valued = true;
    }
    return lt->value;
}

int TNumIO2Core::WholeTextWidth() const
{
    const TLongText* lt = LongText();
    return lt ? lt->width : TextWidthOf(FInBuffer);
}

int TNumIO2Core::PrefixWidth(int cp) const
{
    TLongText* lt = LongText();
    if (lt)
        for (const auto& [pos, w] : lt->prefixes)
            if (pos == cp)
                return w;
    const int w = TextWidthOf(FInBuffer.left(std::max(cp, 0)));
    if (lt) {
        lt->prefixes[lt->nextPrefix] = {cp, w};
        lt->nextPrefix = (lt->nextPrefix + 1) % lt->prefixes.size();
    }
    return w;
}

namespace {

// The characters of `text` that reach into [lo, hi) (pixels from the text's
// origin) and SliceMargin more either side, cut where the text before the
// slice is a whole number of pixels and of device pixels wide, measured
// within the whole text so that kerning at the cut counts: drawn at origin +
// offset, the slice's glyphs land where the whole text's do. False when no
// such cut is found close by.
bool CutSlice(const QString& text, const QFontMetricsF& fm, int lo, int hi, qreal ratio, int& offset,
              QString& slice)
{
    const std::vector<qint64> pos = EstimatedPositions(text, fm);
    const qsizetype n = text.size();
    // First character whose right edge passes lo; first one starting at hi.
    const auto right = std::upper_bound(pos.begin() + 1, pos.end(), qint64(lo) * 64);
    const qsizetype first = right - pos.begin() - 1;
    const qsizetype last = std::lower_bound(pos.begin(), pos.end() - 1, qint64(hi) * 64) - pos.begin();
    qsizetype b = std::min(n, last + SliceMargin);
    if (b < n && text.at(b).isLowSurrogate())
        ++b;
    const qsizetype a0 = std::max<qsizetype>(0, first - SliceMargin);
    int tries = 0;
    for (qsizetype a = a0; a >= 0 && a > a0 - CutSearch && tries < CutTries; --a) {
        const qreal e = pos[a] / 64.0;
        if ((a > 0 && !CutAllowed(text, a)) || !IsWhole(e) || !IsWhole(e * ratio))
            continue;
        ++tries;
        if ((a > 0 ? fm.horizontalAdvance(text, int(a)) : 0.0) != e)
            continue;
        offset = int(e);
        slice = text.mid(a, b - a);
        return true;
    }
    return false;
}

} // namespace

bool TNumIO2Core::VisibleSlice(int x0, qreal ratio, int& x, QString& slice) const
{
    TLongText* lt = LongText();
    if (!lt)
        return false;
    const TValueBox box = FieldBox(*this, HostSize().height());
    const int l = box.Left + 3, r = box.Left + box.Width - 1;
    if (lt->x0 != x0 || lt->ratio != ratio || lt->boxL != l || lt->boxR != r) {
        lt->x0 = x0;
        lt->ratio = ratio;
        lt->boxL = l;
        lt->boxR = r;
        const QFontMetricsF fm(MeasuringMetrics(lt->font));
        lt->sliced = CutSlice(lt->text, fm, l - x0, r - x0, ratio, lt->offset, lt->slice);
    }
    if (!lt->sliced)
        return false;
    x = x0 + lt->offset;
    slice = lt->slice;
    return true;
}

TValueBox FieldBox(const TNumIO2Core& f, int height)
{
    return {f.LeftSpace(), f.TextBoxWidth(), height - GaugeBarHeight(f)};
}

int GaugeBarHeight(const TNumIO2Core& f)
{
    return f.GaugeVisible() ? f.GaugeHeight() + f.GaugeTopMargin() + 1 : 0;
}

int TNumIO2Core::BarHeight() const
{
    return GaugeBarHeight(*this);
}

int TNumIO2Core::TextWidthOf(const QString& s) const
{
    return MeasuringMetrics(FHost.Font()).horizontalAdvance(s);
}

int TNumIO2Core::CharPosToXCoords(int cp) const
{
    return CharPosToX(cp, WholeTextWidth());
}

int TNumIO2Core::CharPosToX(int cp, int tw) const
{
    const int twcp = cp >= FInBuffer.size() ? tw : PrefixWidth(cp);
    return FieldBox(*this, HostSize().height()).TextX(FAlignment, tw) + twcp;
}

int TNumIO2Core::XCoordsToCharPos(int X) const
{
    const int len = static_cast<int>(FInBuffer.size());
    if (len == 0)
        return 0;
    const int tw = WholeTextWidth();
    const int charwid = tw / len;
    if (charwid <= 0)
        return 0; // characters without width: no position to tell apart
    // The offset from the caret line of position 0, one pixel left of the text.
    const int offset = std::clamp(X - (FieldBox(*this, HostSize().height()).TextX(FAlignment, tw) - 1), 0, tw);
    // In average character widths, rounded half up.
    return (charwid / 2 + offset) / charwid;
}

} // namespace vorn
