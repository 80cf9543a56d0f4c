// The field's geometry, shared by painting and the mouse: the box, the gauge
// rows, and the mapping between character positions and x coordinates.
#include "NumIO.h"

#include <algorithm>

using namespace numio;

TValueBox TNumIO2::Box() const
{
    return {FLeftSpace, FTextBoxWidth, height() - BarHeight()};
}

int TNumIO2::BarHeight() const
{
    return FGaugeVisib ? FGaugeHeight + FGaugeTopMarg + 1 : 0;
}

int TNumIO2::TextWidthOf(const QString& s) const
{
    return MeasuringMetrics(font()).horizontalAdvance(s);
}

int TNumIO2::CharPosToXCoords(int cp) const
{
    return CharPosToX(cp, TextWidthOf(FInBuffer));
}

int TNumIO2::CharPosToX(int cp, int tw) const
{
    const int twcp = cp >= FInBuffer.size() ? tw : TextWidthOf(FInBuffer.left(std::max(cp, 0)));
    return Box().TextX(FAlignment, tw) + twcp;
}

int TNumIO2::XCoordsToCharPos(int X) const
{
    const int len = static_cast<int>(FInBuffer.size());
    if (len == 0)
        return 0;
    const int tw = TextWidthOf(FInBuffer);
    const int charwid = tw / len;
    if (charwid <= 0)
        return 0; // characters without width: no position to tell apart
    // The offset from the caret line of position 0, one pixel left of the text.
    const int offset = std::clamp(X - (Box().TextX(FAlignment, tw) - 1), 0, tw);
    // In average character widths, rounded half up.
    return (charwid / 2 + offset) / charwid;
}
