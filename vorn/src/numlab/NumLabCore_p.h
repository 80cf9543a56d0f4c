// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the numeric label without a
// widget. The core holds the label's state and model (the value, its display
// types and texts, the colours, the frame), the rules by which a change
// repaints it, its natural size and its painting; its host (the widget
// TNumLab, or a test) shows the picture and passes the label's events on.
#include "Canvas.h"
#include "Colors.h"
#include "ControlHost_p.h"
#include "vornbase.h"
#include "vornbase_p.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace vorn {

// Declared for programs in NumLab.h; defined with the core, whose angle
// display types write their text with it.
VORN_EXPORT QString DegreeToStr(double InNum, TDegreeFormat Format, int Precision);

namespace numlab {

constexpr int defLeftSpace = 35;
constexpr int defPrecision = 2;
constexpr int defLabelWidth = 80;

} // namespace numlab

/// What the label's core asks of its host beyond any control's: its events.
class TNumLabHost : public TControlHost
{
public:
    /// The text hook: may rewrite the display text just before it is shown.
    virtual void BeforeDisplay(QString& text) = 0;
    /// Whether anything listens to the text hook.
    virtual bool BeforeDisplayHooked() const = 0;
    /// The value changed, by its writer or a copy.
    virtual void ValueChanged(double value) = 0;
    /// The text shown changed from `before` (for a screen reader).
    virtual void ShownTextChanged(const QString& before) = 0;
    /// Whether a screen reader listens, so that a paint whose picture is
    /// composed later still builds the text it shows.
    virtual bool ShownTextWanted() const = 0;
    /// The parent's pixels beneath the label are painted again (a label
    /// turned see-through shows them).
    virtual void RepaintBeneath() = 0;
};

/// The label's core. Its frame line colours follow ColorScheme (TSchemeLines).
class TNumLabCore : private TSchemeLines
{
public:
    explicit TNumLabCore(TNumLabHost& host) : FHost(host) {}
    TNumLabCore(const TNumLabCore&) = delete;
    TNumLabCore& operator=(const TNumLabCore&) = delete;

    TAlignment Alignment() const { return FAlignment; }
    TColor ColorLabBakG() const { return FColorLabBakG; }
    TColor ColorLabText() const { return FColorLabText; }
    TColor ColorOutBakG() const { return FColorOutBakG; }
    TColor ColorOutText() const { return FColorOutText; }
    TColorScheme ColorScheme() const { return FColorScheme; }
    bool Comma() const { return FComma; }
    TDisplay DisplayType() const { return FDisplayType; }
    const QString& DTFormat() const { return FDtFormat; }
    bool Empty() const { return FEmpty; }
    bool Enabled() const { return FEnabled; }
    bool ForcePlusSign() const { return FPlusSign; }
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    int LabelWidth() const { return FLabWidth; }
    int LeftSpace() const { return FLeftSpace; }
    const QString& LeftText() const { return FLeftText; }
    TAlignment LeftTextAlignment() const { return FLTAlignment; }
    const QString& OverflowIndicator() const { return FOverFlowIndi; }
    int Precision() const { return FDecP; }
    const QString& RightText() const { return FRightText; }
    TAlignment RightTextAlignment() const { return FRTAlignment; }
    const QString& StateText() const { return FStateText; }
    bool Transparent() const { return FTransParent; }
    double Value() const { return FLabValue; }
    /// The area under the mouse at the last move: 0 left caption, 1 box,
    /// 2 right caption.
    int MouseAreaCode() const { return FMouseAreaCode; }

    // The writers store a changed value and paint it at once (the host's
    // Paint); an equal value changes nothing.
    void SetAlignment(TAlignment Value);
    void SetColorLabBakG(TColor Value);
    void SetColorLabText(TColor Value);
    void SetColorOutBakG(TColor Value);
    void SetColorOutText(TColor Value);
    void SetColorScheme(TColorScheme Value);
    void SetFComma(bool Value);
    void SetDisplayType(TDisplay Value);
    void SetDtFormat(const QString& Value);
    void SetEmpty(bool Value);
    /// Stores the enabled look without painting: the host decides the state
    /// (a disabled parent keeps the label disabled) and paints.
    void StoreEnabled(bool Value) { FEnabled = Value; }
    void SetFPlusSign(bool Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetLabWidth(int Value);
    /// Negative values are ignored; values beyond the host's width are
    /// stored as that width.
    void SetLeftSpace(int Value);
    void SetLeftText(const QString& Value);
    void SetLTAlignment(TAlignment Value);
    void SetOverFlowIndi(const QString& Value);
    /// Negative values are ignored; values above 15 are stored as 15.
    void SetDecP(int Value);
    void SetRightText(const QString& Value);
    void SetRTAlignment(TAlignment Value);
    void SetStateText(const QString& Value);
    void SetTransparent(bool Value);
    /// A NaN is never stored.
    void SetLabValue(double Value);
    /// Copies the look and value of another label (not Comma, ForcePlusSign,
    /// DTFormat, Enabled) and paints once.
    void CopyFrom(const TNumLabCore& src);
    /// Records the area under X of a mouse move.
    void NoteMouseAt(int X) { FMouseAreaCode = Box().Zone(X); }

    /// The text the box shows now: the value by display type, separator and
    /// sign, the hook's rewrite, and the overflow indicator when it does not
    /// fit the box. Empty when Empty is set (the hook is then not called).
    QString DisplayText() const { return MeasuredDisplayText(nullptr); }
    /// The text the last paint showed, without calling the hook again; built
    /// now when the last paint composed nothing and did not build it.
    QString ShownText() const;

    /// The steps of a paint that composes nothing now (its picture is
    /// composed later): the text hook and telling a screen reader run all
    /// the same, and the picture later shows the text they made.
    void PaintDeferred();
    /// A text to compose, and its width as the fit check measured it (-1
    /// when not measured).
    struct TComposedText
    {
        QString Text;
        int Width = -1;
    };
    /// The first step of a paint that composes now: the text the picture
    /// shows, noted as shown (the hook runs unless the last deferred paint
    /// made this text already).
    TComposedText ComposeText();
    /// Composes the whole picture on `picture` (of the host's size; every
    /// pixel is painted, so its old pixels need no clearing) with `text`:
    /// background, captions, the framed box and the value. A transparent
    /// label's background is white, which leaves the parent's pixels as they
    /// are when the picture is ANDed over them (CopyMode()).
    QImage Compose(QImage picture, const TComposedText& text);
    /// How the picture is laid over the screen: copied, or ANDed over the
    /// parent's pixels when transparent.
    TCopyMode CopyMode() const { return FTransParent ? cmSrcAnd : cmSrcCopy; }
    /// Before a transparent label's picture is ANDed over the screen, the
    /// inside of its box is made opaque there: the rectangle and its colour
    /// (ColorLabBakG, or white when the text is not black). Empty when the
    /// label is opaque or the box has no inside.
    QRect SeeThroughBox() const;
    TColor SeeThroughFill() const { return FColorLabText == 0 ? FColorLabBakG : clWhite; }

    /// The natural size: the box at LeftSpace with the right caption beside
    /// it, as high as the font's line + 6.
    QSize SizeHint() const;
    /// The least that shows the box with the whole text line inside it.
    QSize MinimumSizeHint() const;

private:
    /// The value box: from LeftSpace, LabelWidth wide, the host's height.
    TValueBox Box() const { return {FLeftSpace, FLabWidth, FHost.Size().height()}; }
    /// The box's right end (exclusive), with the bevel's outer column.
    int BoxRight() const;
    QString ValueText() const;
    /// DisplayText(), and in `width` the text's width in the label's font as
    /// the fit check measured it (-1 when it measured none).
    QString MeasuredDisplayText(int* width) const;
    void PaintCaption(TCanvas& cv, const QString& Text, int X, int Y0, int LightDx = 1);
    void PaintBackground(TCanvas& cv, TColor background);
    void PaintCaptions(TCanvas& cv, int Y0);
    void PaintBox(TCanvas& cv);
    void PaintValue(TCanvas& cv, int Y0, const QString& text, int width);
    /// Records the text a paint shows and tells the host when it changed.
    void NoteShown(const QString& text);

    TNumLabHost& FHost;
    int FLeftSpace = numlab::defLeftSpace;
    bool FEmpty = false;
    int FLabWidth = numlab::defLabelWidth;
    int FDecP = numlab::defPrecision;
    bool FComma = false;
    bool FPlusSign = false;
    bool FTransParent = false;
    QString FLeftText;
    QString FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    QString FStateText = QStringLiteral("undefined");
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    int FMouseAreaCode = 0;
    QString FOverFlowIndi = QStringLiteral("*********");
    double FLabValue = 0.0;
    /// The text the last paint showed; not known after a paint that
    /// composed nothing and did not build the text.
    QString FShown;
    bool FShownKnown = false;
    // FShown was made by a paint whose picture is still to be composed.
    bool FShownPending = false;
    bool FEnabled = true;
    TColor FColorLabBakG = clBtnFace;
    TColor FColorLabText = clBlack;
    TColor FColorOutBakG = clBtnFace;
    TColor FColorOutText = clBlack;
    TDisplay FDisplayType = dtFixP;
    QString FDtFormat = QStringLiteral("mmm-dd, yyyy");
};

} // namespace vorn
