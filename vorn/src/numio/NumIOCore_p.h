// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the numeric field without a
// widget. The core holds the field's state and its model (value and text,
// editing with caret and selection, validation, range, spin buttons, gauge),
// turns keys and mouse positions into edits, and composes the picture; its
// host (the widget TNumIO2, a test or a fuzz target) shows it, gives it
// focus and tells the field's listeners.
#include "Canvas.h"
#include "Colors.h"
#include "ControlHost_p.h"
#include "Keys.h"
#include "vornbase.h"
#include "vornbase_p.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QKeyEvent;

namespace vorn {

namespace numio {

/// Unit constants.
constexpr int defLeftSpace = 35;
constexpr int defFixP = 2;
constexpr int defSigDig = 6;
constexpr int defTextBoxWidth = 80;
constexpr int MINHEIGHT = 18;
constexpr int CARETBLINK_CONST = 500;
constexpr int MINBUTHEIGHT = 18;
constexpr int MINBUTWIDTH = 8;
constexpr int MAXBUTWIDTH = 50;
constexpr int MAXBUTSPACE = 50;

} // namespace numio

/// Scanners: read as much of a number as stands at the 1-based position Idx
/// and leave Idx on the first character that is not part of it. The integer
/// scanners wrap to 32 bits; ScanFPNum clamps to +-1.7E308 and takes the
/// separator as 1 ".", 2 "," or 3 both.
VORN_TESTS_EXPORT int32_t ScanBin(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT int32_t ScanOctal(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT int32_t ScanHex(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT double ScanFPNum(const QString& Instring, bool AllowExp, int32_t DecPChar, int32_t& Idx);

/// Validators: whether a text may stand in a field of that format.
VORN_TESTS_EXPORT bool IsValidBin(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidOct(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidHex(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidDecInt(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidDouble(const QString& Instring, bool AllowExp, TDecPSep DecSeparator);
VORN_TESTS_EXPORT bool IsValidFPNum(const QString& Instring, TDecPSep DecSeparator);

/// The one decimal separator a policy writes: "." for dsDot and dsBoth, ","
/// for dsComma, and for dsSystem "." when the locale's separator is ".",
/// otherwise ",".
VORN_TESTS_EXPORT QChar PolicySeparator(TDecPSep DecSeparator);

/// What the field tells beyond its picture: its changes, the gauge drag, the
/// caret's blink timer and the focus chain. Every call has a default that
/// does nothing (a timer always granted), for hosts that listen to none.
class TNumIO2Host
{
public:
    virtual ~TNumIO2Host() = default;
    /// The user changed the value (OnChange).
    virtual void Changed() {}
    /// The text, then the value, changed since they were last told.
    virtual void TextChanged(const QString&) {}
    virtual void ValueChanged(double) {}
    /// The gauge was dragged to `value` (OnGaugeChange).
    virtual void GaugeChanged(TShiftState, double) {}
    /// Starts (or restarts) the caret's blink every `ms`; false when no
    /// timer is to be had.
    virtual bool StartBlink(int /*ms*/) { return true; }
    virtual void StopBlink() {}
    /// Tab: the focus moves on to the next control.
    virtual void FocusNext() {}
};

class VORN_TESTS_EXPORT TNumIO2Core : private TSchemeLines
{
public:
    TNumIO2Core(TControlHost& host, TNumIO2Host& events);
    ~TNumIO2Core();
    TNumIO2Core(const TNumIO2Core&) = delete;
    TNumIO2Core& operator=(const TNumIO2Core&) = delete;

    // --- Value and text ------------------------------------------------------
    double GetNioValue() const;
    void SetNioValue(double value);
    int32_t GetNioIntValue() const;
    const QString& Text() const { return FInBuffer; }
    void SetNioText(const QString& value);
    bool CheckValidity(const QString& Instring) const;
    bool OutOfRange() const;
    /// Takes the model of another field, as it is (no writer runs).
    void CopyFrom(const TNumIO2Core& src);
    /// "Component \"<name>\": <what>", the name being the sender's object name.
    QString ErrorText(const QString& what) const;
    /// Stops of the spin buttons and the gauge, ascending; empty: none.
    std::vector<double> ButtonPivots;

    // --- Caret and selection -------------------------------------------------
    int SelBegin() const { return FSelBegin; }
    int SelEnd() const { return FSelEnd; }
    void SetSelBegin(int value);
    void SetSelEnd(int value);
    int MouseAreaCode() const { return FMouseAreaCode; }
    int CaretPos() const { return FCaretPos; }
    bool CaretVisible() const { return FCaretVisib; }
    /// Shows the caret and (re)starts its blink; throws when no timer is had.
    void UpdateTimer();
    /// One blink: the caret toggles while the host has the focus, else it
    /// hides and the blink stops.
    void BlinkTick();
    /// Caret and selection as assistive technology sets them.
    void SetCaretAt(int pos);
    void SetSelectionAt(int begin, int end);
    /// An edit made as a typed one: the text, the caret after it, the change
    /// signals, OnChange, the picture.
    void EditAsTyped(const QString& text, int caret);

    // --- Keys and mouse ------------------------------------------------------
    /// Key-down and key-up on virtual-key codes.
    void CNKeyDown(uint16_t CharCode);
    void CNKeyUp(uint16_t CharCode);
    /// A key event: the modifiers it comes with set the Shift and Control
    /// flags, then the key goes down (up); returns its virtual-key code.
    uint16_t KeyPress(const QKeyEvent& e);
    uint16_t KeyRelease(const QKeyEvent& e);
    /// The model's part of a press, a move and a release at (X, Y).
    void MouseDown(int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp();

    // --- Layout and painting -------------------------------------------------
    int CharPosToXCoords(int cp) const;
    int XCoordsToCharPos(int X) const;
    int BarHeight() const;
    QSize SizeHint() const;
    QSize MinimumSizeHint() const;
    /// The height AutoSize gives the field: the font's text height + 6.
    int AutoHeight() const;
    /// Composes the whole field on `picture` (of the host's size at its ratio).
    QImage Compose(QImage picture);
    /// Notifies nothing while an edit is in progress.
    void NotifyChanges();

    // --- Properties ----------------------------------------------------------
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Beep() const { return FBeep; }
    void SetBeep(bool value) { FBeep = value; }
    bool ButVisible() const { return FButVisible; }
    void SetButVis(bool value);
    bool But3D() const { return FBut3D; }
    void SetBut3D(bool value);
    int ButHeight() const { return FButHeight; }
    void SetButHeight(int value);
    int ButWidth() const { return FButWidth; }
    void SetButWidth(int value);
    double ButIncrem() const { return FButIncrem; }
    void SetButIncrement(double value);
    int ButSpace() const { return FButSpace; }
    void SetButSpace(int value);
    TColor ButColor() const { return FButColor; }
    void SetButColor(TColor value);
    TColor ColorBoxBG() const { return FColorBoxBG; }
    void SetColorBoxBG(TColor value);
    TColor ColorBoxText() const { return FColorBoxText; }
    void SetColorBoxText(TColor value);
    TColor ColorOutBG() const { return FColorOutBG; }
    void SetColorOutBG(TColor value);
    TColor ColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    TColor ColorWarnBG() const { return FColorWarnBG; }
    void SetColorWarnBG(TColor value);
    TColor ColorWarnText() const { return FColorWarnTxt; }
    void SetColorWarnBoxText(TColor value);
    TDecPSep DecPlaceSep() const { return FDecPSep; }
    void SetDecSep(TDecPSep value);
    /// The Enabled flag; the host keeps it in step with its own state and paints.
    bool Enabled() const { return FEnabled; }
    void StoreEnabled(bool value) { FEnabled = value; }
    int FixPointDecPlaces() const { return FDecP; }
    void SetDecP(int value);
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    TColor GaugeColor() const { return FGaugeColor; }
    void SetGaugeColor(TColor value);
    TColor GaugeColorBg() const { return FGaugeColorBg; }
    void SetGaugeColorBg(TColor value);
    TColor GaugeColorFrame() const { return FGaugeColorFrm; }
    void SetGaugeColorFrm(TColor value);
    int GaugeHeight() const { return FGaugeHeight; }
    void SetGaugeHeight(int value);
    TFrameStyle GaugeFrameStyle() const { return FGaugeFrameSt; }
    void SetGaugeFrameStyle(TFrameStyle value);
    int GaugeLeftMargin() const { return FGaugeLeftMarg; }
    void SetGaugeLeftMarg(int value);
    int GaugeTopMargin() const { return FGaugeTopMarg; }
    void SetGaugeTopMarg(int value);
    bool GaugeVisible() const { return FGaugeVisib; }
    void SetGaugeVisib(bool value);
    int GaugeWidth() const { return FGaugeWidth; }
    void SetGaugeWidth(int value);
    /// Resizes the host to `value` (at least MINHEIGHT) and keeps the
    /// buttons no taller.
    void SetHeight(int value);
    bool HideSelection() const { return FHideSel; }
    void SetHideSel(bool value);
    TInFormat InputFormat() const { return FInputFormat; }
    void SetInFormatType(TInFormat value);
    int LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int value);
    const QString& LeftText() const { return FLeftText; }
    void SetLeftText(const QString& value);
    TAlignment LeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment value);
    double RangeHigh() const { return FMaximum; }
    void SetRangeHigh(double value);
    double RangeLow() const { return FMinimum; }
    void SetRangeLow(double value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadonly(bool value);
    const QString& RightText() const { return FRightText; }
    void SetRightText(const QString& value);
    TAlignment RightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment value);
    int SignificantDigits() const { return FSigDig; }
    void SetSigDig(int value);
    int TextBoxWidth() const { return FTextBoxWidth; }
    void SetTextBoxWidth(int value);

private:
    QSize HostSize() const { return FHost.Size(); }

    /// Editing steps of the key handler.
    void ApplyKey(uint16_t CharCode, bool& InbufChg);
    void ApplyControlKey(uint16_t CharCode, bool& InbufChg);
    void TypeChar(QChar c, bool& InbufChg);
    void DeleteSelection(bool& InbufChg);
    QString SelectedText() const;
    void BeepIfWanted();
    void CaretMoved();

    double GaugeValueOf(int X);
    double SteppedValue(bool Upper);

    /// Paint, one step group each.
    void PaintLeftCaption(TCanvas& cv, int yT);
    void PaintButtons(TCanvas& cv);
    void PaintRightCaption(TCanvas& cv, int yT);
    void PaintGauge(TCanvas& cv, int ZH, double value);
    void PaintBox(TCanvas& cv, bool outOfRange);
    void PaintBoxText(TCanvas& cv, int yT, bool outOfRange, int tw);
    void PaintCaret(TCanvas& cv, int ZH, int tw);
    void PaintSelection(TCanvas& cv, int ZH, int tw);
    int TextWidthOf(const QString& s) const;
    /// CharPosToXCoords with the width of the whole text already measured.
    int CharPosToX(int cp, int tw) const;
    /// A long text is measured once per change of text or font, and only the
    /// characters of it that can show in the box are drawn (NumIOCore_layout.cpp).
    struct TLongText;
    TLongText* LongText() const;
    int WholeTextWidth() const;
    int PrefixWidth(int cp) const;
    bool VisibleSlice(int x0, qreal ratio, int& x, QString& slice) const;
    double PaintedValue(); ///< GetNioValue, read once per long text and format
    struct TLongTextFree
    {
        void operator()(TLongText* lt) const;
    };
    mutable std::unique_ptr<TLongText, TLongTextFree> FLongText;

    /// The value read from the text, for that text and format (GetNioValue).
    struct TValueCache
    {
        QString Text;
        TInFormat Format = itFloat;
        double Value = 0;
        bool Valid = false;
    };
    mutable TValueCache FValueCache;

    TControlHost& FHost;
    TNumIO2Host& FEvents;
    int FLeftSpace = numio::defLeftSpace;
    int FTextBoxWidth = numio::defTextBoxWidth;
    bool FValueChanged = false;
    int FDecP = numio::defFixP;
    int FSigDig = numio::defSigDig;
    bool FEnabled = true;
    int FButWidth = 18;
    int FButSpace = 3;
    double FButIncrem = 1.0;
    bool FButVisible = false;
    bool FBut3D = true;
    int FButHeight = 28;
    TColor FButColor = clSilver;
    QString FInBuffer;
    int FCaretPos = 0;
    bool FCaretVisib = true;
    bool FGaugeVisib = false;
    int FGaugeHeight = 8;
    int FGaugeWidth = 82;
    int FGaugeLeftMarg = 35;
    int FGaugeTopMarg = 3;
    TColor FGaugeColor = clNavy;
    TColor FGaugeColorBg = clSilver;
    TColor FGaugeColorFrm = clGray;
    TFrameStyle FGaugeFrameSt = fsLowered;
    QString FLeftText;
    QString FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    int FMouseAreaCode = 0;
    TColor FColorBoxBG = clWhite;
    TColor FColorBoxText = clBlack;
    TColor FColorOutBG = clBtnFace;
    TColor FColorOutText = clBlack;
    TColor FColorWarnBG = 0x6088FFF0;
    TColor FColorWarnTxt = clRed;
    int FSelBegin = 0;
    int FSelEnd = 0;
    TDecPSep FDecPSep = dsBoth;
    TInFormat FInputFormat = itFloat;
    bool FKeyShifted = false;
    bool FKeyCntrl = false;
    bool FHideSel = true;
    double FMaximum = 1000.0;
    double FMinimum = 0.0;
    bool FOnlineCheck = true;
    bool FBeep = false;
    bool FReadOnly = false;
    bool FAutoSize = false;

    /// Text and value as TextChanged and ValueChanged last told them.
    QString FNotifiedText;
    double FNotifiedValue = 0.0;
    int FNotifyHeld = 0; ///< an edit in progress reports once, at its end
};

/// The height of the gauge bar under the box, 0 without a gauge.
int GaugeBarHeight(const TNumIO2Core& f);
/// The field's value box: from LeftSpace, TextBoxWidth wide, above the gauge bar.
TValueBox FieldBox(const TNumIO2Core& f, int height);

} // namespace vorn
