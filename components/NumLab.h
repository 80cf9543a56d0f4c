#pragma once
// The numeric display label, in a small first form: a left caption, a
// framed box showing the value with Precision decimals, and a right caption.
#include <QString>
#include <QWidget>

class TNumLab : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(int Precision READ Precision WRITE SetDecP)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(double Value READ Value WRITE SetLabValue)

public:
    explicit TNumLab(QWidget* parent = nullptr);

    // Width of the left caption area in pixels (default 35).
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int v);
    QString LeftText() const { return FLeftText; }
    void SetLeftText(const QString& v);
    // Decimals shown (default 2).
    int Precision() const { return FDecP; }
    void SetDecP(int v);
    QString RightText() const { return FRightText; }
    void SetRightText(const QString& v);
    double Value() const { return FLabValue; }
    void SetLabValue(double v);

    // The value as the box shows it, e.g. "59.459".
    QString DisplayText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int FLeftSpace = 35;
    QString FLeftText;
    int FDecP = 2;
    QString FRightText;
    double FLabValue = 0.0;
};
