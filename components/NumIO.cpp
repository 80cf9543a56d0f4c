#include "NumIO.h"

#include "Application.h"
#include "Colors.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int BoxWidth = 80; // width of the text box right of the left caption
constexpr int Gap = 4;       // space between a caption and the box
} // namespace

TNumIO2::TNumIO2(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    resize(160, 28);
}

void TNumIO2::SetButHeight(int v)
{
    FButHeight = v;
}

void TNumIO2::SetFixP(int v)
{
    FDecP = qBound(0, v, 18);
}

void TNumIO2::SetLeftSpace(int v)
{
    FLeftSpace = qMax(0, v);
    update();
}

void TNumIO2::SetLeftText(const QString& v)
{
    FLeftText = v;
    update();
}

void TNumIO2::SetRangeHigh(double v)
{
    FMaximum = v;
    update();
}

void TNumIO2::SetRangeLow(double v)
{
    FMinimum = v;
    update();
}

void TNumIO2::SetRightText(const QString& v)
{
    FRightText = v;
    update();
}

void TNumIO2::SetNioText(const QString& v)
{
    FInBuffer = v;
    FCaret = int(FInBuffer.size());
    repaint();
}

double TNumIO2::GetNioValue() const
{
    // The leading number: sign, digits, one separator, digits.
    QString number;
    int i = 0;
    const int n = int(FInBuffer.size());
    if (i < n && (FInBuffer[i] == QLatin1Char('-') || FInBuffer[i] == QLatin1Char('+')))
        number += FInBuffer[i++];
    bool digits = false, separator = false;
    for (; i < n; ++i) {
        const QChar c = FInBuffer[i];
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !separator) {
            number += QLatin1Char('.');
            separator = true;
        } else {
            break;
        }
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return digits && ok ? v : 0.0;
}

void TNumIO2::SetNioValue(double v)
{
    SetNioText(QString::number(v, 'f', FDecP));
}

QRect TNumIO2::BoxRect() const
{
    return QRect(FLeftSpace, 0, qMin(BoxWidth, qMax(0, width() - FLeftSpace)), height());
}

int TNumIO2::TextLeft() const
{
    const QRect box = BoxRect();
    return box.left() + (box.width() - fontMetrics().horizontalAdvance(FInBuffer)) / 2;
}

void TNumIO2::paintEvent(QPaintEvent*)
{
    GuardedCall(this, [&] {
        QPainter p(this);
        const QRect box = BoxRect();
        p.fillRect(rect(), QColor::fromRgb(ResolveColor(clBtnFace)));
        p.setPen(QColor::fromRgb(ResolveColor(clWindowText)));
        p.drawText(QRect(0, 0, qMax(0, FLeftSpace - Gap), height()), Qt::AlignRight | Qt::AlignVCenter, FLeftText);
        p.drawText(QRect(box.right() + 1 + Gap, 0, qMax(0, width() - box.right() - 1 - Gap), height()),
                   Qt::AlignLeft | Qt::AlignVCenter, FRightText);
        // Lowered box: dark lines top and left, light lines bottom and right.
        p.fillRect(box, Qt::white);
        p.setPen(QColor::fromRgb(RgbFromColor(clGray)));
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(Qt::white);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
        const double v = GetNioValue();
        p.setPen(v < FMinimum || v > FMaximum ? QColor(Qt::red) : QColor(Qt::black));
        p.setClipRect(box.adjusted(1, 1, -1, -1));
        const QFontMetrics fm = fontMetrics();
        const int baseline = (height() - fm.height()) / 2 + fm.ascent();
        p.drawText(TextLeft(), baseline, FInBuffer);
        if (hasFocus()) {
            const int x = TextLeft() + fm.horizontalAdvance(FInBuffer.left(FCaret));
            p.setPen(Qt::black);
            p.drawLine(x, baseline - fm.ascent(), x, baseline + fm.descent());
        }
    });
}

void TNumIO2::keyPressEvent(QKeyEvent* event)
{
    GuardedCall(this, [&] { Edit(event); });
}

void TNumIO2::Edit(QKeyEvent* event)
{
    const int n = int(FInBuffer.size());
    bool changed = false;
    switch (event->key()) {
    case Qt::Key_Home: FCaret = 0; break;
    case Qt::Key_End: FCaret = n; break;
    case Qt::Key_Left: FCaret = qMax(0, FCaret - 1); break;
    case Qt::Key_Right: FCaret = qMin(n, FCaret + 1); break;
    case Qt::Key_Backspace:
        if (FCaret > 0) {
            FInBuffer.remove(--FCaret, 1);
            changed = true;
        }
        break;
    case Qt::Key_Delete:
        if (FCaret < n) {
            FInBuffer.remove(FCaret, 1);
            changed = true;
        }
        break;
    default: {
        const QString text = event->text();
        const QChar c = text.size() == 1 ? text[0] : QChar();
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') || c == QLatin1Char('.') ||
            c == QLatin1Char(',')) {
            FInBuffer.insert(FCaret++, c);
            changed = true;
        } else {
            event->ignore();
            return;
        }
    }
    }
    if (changed && OnChange)
        OnChange(this);
    repaint();
}

void TNumIO2::mousePressEvent(QMouseEvent* event)
{
    GuardedCall(this, [&] {
        // The caret goes to the character boundary nearest the click.
        const QFontMetrics fm = fontMetrics();
        const int x = int(event->position().x()) - TextLeft();
        int best = 0;
        for (int i = 1; i <= FInBuffer.size(); ++i)
            if (qAbs(fm.horizontalAdvance(FInBuffer.left(i)) - x) < qAbs(fm.horizontalAdvance(FInBuffer.left(best)) - x))
                best = i;
        FCaret = best;
        setFocus(Qt::MouseFocusReason);
        repaint();
    });
}

void TNumIO2::focusInEvent(QFocusEvent*)
{
    update();
}

void TNumIO2::focusOutEvent(QFocusEvent*)
{
    update();
}
