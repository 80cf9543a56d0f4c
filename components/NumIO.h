#pragma once
// The numeric input field, in a small first form: a left caption, a box
// holding the number as editable text with a caret, and a right caption
// (the unit). It takes the focus when clicked, accepts digits, the minus
// sign and a decimal separator, and raises OnChange after each edit the user
// makes; writing Value from code never raises it.
#include <QString>
#include <QWidget>

#include <functional>

class TNumIO2 : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeight)
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixP)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(QString Text READ Text WRITE SetNioText)
    Q_PROPERTY(double Value READ GetNioValue WRITE SetNioValue)

public:
    explicit TNumIO2(QWidget* parent = nullptr);

    // Height of the spin buttons; kept for the window descriptions.
    int ButHeight() const { return FButHeight; }
    void SetButHeight(int v);
    // Decimals shown when Value is written (default 2).
    int FixPointDecPlaces() const { return FDecP; }
    void SetFixP(int v);
    // Width of the left caption area in pixels (default 35).
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int v);
    QString LeftText() const { return FLeftText; }
    void SetLeftText(const QString& v);
    // Values outside RangeLow..RangeHigh are shown in red, not refused.
    double RangeHigh() const { return FMaximum; }
    void SetRangeHigh(double v);
    double RangeLow() const { return FMinimum; }
    void SetRangeLow(double v);
    QString RightText() const { return FRightText; }
    void SetRightText(const QString& v);

    QString Text() const { return FInBuffer; }
    void SetNioText(const QString& v);
    // The leading number of the text ("." or "," as separator); an empty or
    // unreadable text reads as 0.
    double GetNioValue() const;
    // Formats the value with FixPointDecPlaces decimals into the text.
    void SetNioValue(double v);

    std::function<void(QObject* Sender)> OnChange;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect BoxRect() const;
    int TextLeft() const;
    void Edit(QKeyEvent* event);

    int FButHeight = 28;
    int FDecP = 2;
    int FLeftSpace = 35;
    QString FLeftText;
    double FMaximum = 1000.0;
    double FMinimum = 0.0;
    QString FRightText;
    QString FInBuffer;
    int FCaret = 0; // caret position in FInBuffer, 0..length
};
