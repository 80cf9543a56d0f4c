#include "NumLab.h"

#include "Application.h"
#include "Colors.h"

#include <QPainter>

namespace {
constexpr int LabelWidth = 80; // width of the value box right of the left caption
constexpr int Gap = 4;         // space between a caption and the box
} // namespace

TNumLab::TNumLab(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(160, 28);
}

void TNumLab::SetLeftSpace(int v)
{
    FLeftSpace = qMax(0, v);
    update();
}

void TNumLab::SetLeftText(const QString& v)
{
    FLeftText = v;
    update();
}

void TNumLab::SetDecP(int v)
{
    FDecP = qBound(0, v, 18);
    update();
}

void TNumLab::SetRightText(const QString& v)
{
    FRightText = v;
    update();
}

void TNumLab::SetLabValue(double v)
{
    FLabValue = v;
    repaint();
}

QString TNumLab::DisplayText() const
{
    return QString::number(FLabValue, 'f', FDecP);
}

void TNumLab::paintEvent(QPaintEvent*)
{
    GuardedCall(this, [&] {
        QPainter p(this);
        const QRect box(FLeftSpace, 0, qMin(LabelWidth, qMax(0, width() - FLeftSpace)), height());
        p.fillRect(rect(), QColor::fromRgb(ResolveColor(clBtnFace)));
        p.setPen(QColor::fromRgb(ResolveColor(clWindowText)));
        p.drawText(QRect(0, 0, qMax(0, FLeftSpace - Gap), height()), Qt::AlignRight | Qt::AlignVCenter, FLeftText);
        p.drawText(QRect(box.right() + 1 + Gap, 0, qMax(0, width() - box.right() - 1 - Gap), height()),
                   Qt::AlignLeft | Qt::AlignVCenter, FRightText);
        // Lowered frame: dark lines top and left, light lines bottom and right.
        p.setPen(QColor::fromRgb(RgbFromColor(clGray)));
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, DisplayText());
    });
}
