// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The numeric input and output field TNumIO2: a left caption, a box holding
/// the number as editable text (own caret, selection and key handling,
/// validated per input format), a right caption, optional spin buttons and an
/// optional gauge. The field keeps no number: its text is its value.
#include "Keys.h"
#include "Surface.h"
#include "vornbase.h"

#include <vorn/vorn_export.h>

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QShortcut;

namespace vorn {

namespace numio {

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TOnGaugeChangeEvent = std::function<void(QObject* Sender, TShiftState Shift, double GaugeValue)>;
using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(QObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

} // namespace numio

using numio::TOnGaugeChangeEvent;

class TMessageTimer;
class TNumIO2Private;

namespace vornaccess {
class FieldAccess;
}

/// \brief The numeric input field: one number, typed, spun or set on a gauge.
///
/// \image html numio.png
///
/// A left caption, a box holding the number as editable text, a right
/// caption, optional spin buttons and an optional gauge. The field keeps no
/// number apart from its text: Text is the value, written and read by
/// InputFormat (fixed point, floating point, exponential, integer, hex,
/// octal, binary). What is typed is checked key by key; a key that would
/// make the text invalid is refused. A value outside RangeLow to RangeHigh
/// shows the warning colours. Include `<vorn/NumIO.h>`.
///
/// Value is the USER property (item views, QDataWidgetMapper); textChanged()
/// and valueChanged() tell every change, setValue() and setText() are its
/// slots. The field's own writers (SetNioValue(), SetInFormatType(), ...) throw
/// vorn::Exception for a value they refuse; through Qt's property system or a
/// slot a refusal is reported instead (ReportRefusedWrite()).
///
/// \code
/// auto* field = new vorn::TNumIO2(parent);
/// field->SetLeftText(QStringLiteral("Frequency"));
/// field->SetRightText(QStringLiteral("MHz"));
/// field->SetDecP(3);
/// field->SetNioValue(7.1);                 // shows "7.100"
/// QObject::connect(field, &vorn::TNumIO2::valueChanged, label, &vorn::TNumLab::setValue);
/// \endcode
class VORN_EXPORT TNumIO2 : public TSurface
{
    Q_OBJECT
    /// The accessibility interface moves the caret and the selection.
    friend class vornaccess::FieldAccess;
    friend class TNumIO2Private;
    /// The field's state, its core and the widget as the core's host
    /// (NumIO_p.h); first, as ButtonPivots refers into it.
    std::unique_ptr<TNumIO2Private> const d;
    // The framework's own properties, which a window description sets first.

    /// Object name; the field's error messages name it. Default empty.
    Q_PROPERTY(QString Name READ Name WRITE SetNameThroughQt DESIGNABLE false)
    /// x of the left edge in the parent, in pixels. Default 0.
    Q_PROPERTY(int Left READ Left WRITE SetLeftThroughQt DESIGNABLE false)
    /// y of the top edge in the parent, in pixels. Default 0.
    Q_PROPERTY(int Top READ Top WRITE SetTopThroughQt DESIGNABLE false)
    /// Width of the whole field, captions included, in pixels. Default 160.
    Q_PROPERTY(int Width READ Width WRITE SetWidthThroughQt DESIGNABLE false)

    // The field's published properties, in the order they are applied.

    /// Alignment of the number in the box. Default taCenter.
    Q_PROPERTY(vorn::vornbase::TAlignment Alignment READ Alignment WRITE SetAlignmentThroughQt)
    /// Height set from the font at every paint (text height of "E0" + 6). Default false.
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSizeThroughQt)
    /// Beep on rejected keys. Default false.
    Q_PROPERTY(bool Beep READ Beep WRITE SetBeepThroughQt)
    /// Spin buttons shown right of the box. Default false.
    Q_PROPERTY(bool ButVisible READ ButVisible WRITE SetButVisThroughQt)
    /// Spin buttons drawn raised, else flat. Default true.
    Q_PROPERTY(bool But3D READ But3D WRITE SetBut3DThroughQt)
    /// Height of the spin-button pair, 18 .. Height. Default 28, the height at construction.
    Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeightThroughQt)
    /// Width of the spin buttons, 8 .. 50. Default 18.
    Q_PROPERTY(int ButWidth READ ButWidth WRITE SetButWidthThroughQt)
    /// Step of one spin-button click. Default 1.0.
    Q_PROPERTY(double ButIncrem READ ButIncrem WRITE SetButIncrementThroughQt)
    /// Gap between box and spin buttons, 0 .. 50. Default 3.
    Q_PROPERTY(int ButSpace READ ButSpace WRITE SetButSpaceThroughQt)
    /// Face of the spin buttons. Default clSilver.
    Q_PROPERTY(TColor ButColor READ ButColor WRITE SetButColorThroughQt)
    /// Background of the box. Default clWhite.
    Q_PROPERTY(TColor ColorBoxBG READ ColorBoxBG WRITE SetColorBoxBGThroughQt)
    /// Colour of the number in the box. Default clBlack.
    Q_PROPERTY(TColor ColorBoxText READ ColorBoxText WRITE SetColorBoxTextThroughQt)
    /// Background outside the box. Default clBtnFace.
    Q_PROPERTY(TColor ColorOutBG READ ColorOutBG WRITE SetColorOutBGThroughQt)
    /// Colour of the captions. Default clBlack.
    Q_PROPERTY(TColor ColorOutText READ ColorOutText WRITE SetColorOutTextThroughQt)
    /// Frame line colours: fixed black, white and gray, or the desktop's. Default csBWG.
    Q_PROPERTY(vorn::vornbase::TColorScheme ColorScheme READ ColorScheme WRITE SetColorSchemeThroughQt)
    /// Background of the box while the value is out of range. Default 0x6088FFF0.
    Q_PROPERTY(TColor ColorWarnBG READ ColorWarnBG WRITE SetColorWarnBGThroughQt)
    /// Colour of the number while it is out of range. Default clRed.
    Q_PROPERTY(TColor ColorWarnText READ ColorWarnText WRITE SetColorWarnBoxTextThroughQt)
    /// Decimal separator the text may carry: the locale's, ".", "," or both. Default dsBoth.
    Q_PROPERTY(vorn::vornbase::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecSepThroughQt)
    /// Takes keys and clicks; when false the field is drawn grayed. Default true.
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabledThroughQt DESIGNABLE false)
    /// Decimals written in itFloat and itFixPoint, 1 .. 15. Default 2.
    Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetDecPThroughQt)
    /// Frame of the box. Default fsLowered.
    Q_PROPERTY(vorn::vornbase::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyleThroughQt)
    /// Bar of the gauge. Default clNavy.
    Q_PROPERTY(TColor GaugeColor READ GaugeColor WRITE SetGaugeColorThroughQt)
    /// Background of the gauge. Default clSilver.
    Q_PROPERTY(TColor GaugeColorBg READ GaugeColorBg WRITE SetGaugeColorBgThroughQt)
    /// Frame of the gauge. Default clGray.
    Q_PROPERTY(TColor GaugeColorFrame READ GaugeColorFrame WRITE SetGaugeColorFrmThroughQt)
    /// Height of the gauge, 3 .. Height - GaugeTopMargin - 18. Default 8.
    Q_PROPERTY(int GaugeHeight READ GaugeHeight WRITE SetGaugeHeightThroughQt)
    /// Frame style of the gauge. Default fsLowered.
    Q_PROPERTY(vorn::vornbase::TFrameStyle GaugeFrameStyle READ GaugeFrameStyle WRITE SetGaugeFrameStyleThroughQt)
    /// x of the gauge's left edge, 0 .. Width - GaugeWidth. Default 35.
    Q_PROPERTY(int GaugeLeftMargin READ GaugeLeftMargin WRITE SetGaugeLeftMargThroughQt)
    /// Gap between box and gauge, 0 .. Height - GaugeHeight - 18. Default 3.
    Q_PROPERTY(int GaugeTopMargin READ GaugeTopMargin WRITE SetGaugeTopMargThroughQt)
    /// Gauge shown below the box. Default false.
    Q_PROPERTY(bool GaugeVisible READ GaugeVisible WRITE SetGaugeVisibThroughQt)
    /// Width of the gauge, 10 .. Width - GaugeLeftMargin. Default 82.
    Q_PROPERTY(int GaugeWidth READ GaugeWidth WRITE SetGaugeWidthThroughQt)
    /// Height of the whole field, at least 18; pulls ButHeight down with it. Default 28.
    Q_PROPERTY(int Height READ Height WRITE SetHeightThroughQt DESIGNABLE false)
    /// Selection hidden while the field has no focus. Default true.
    Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelThroughQt)
    /// How the text is written, read and checked. Default itFloat.
    Q_PROPERTY(vorn::numio::TInFormat InputFormat READ InputFormat WRITE SetInFormatTypeThroughQt)
    /// x of the box's left edge, the room of the left caption, 0 .. Width. Default 35.
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpaceThroughQt)
    /// Caption left of the box. Default empty.
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftTextThroughQt)
    /// Alignment of the left caption. Default taRightJustify.
    Q_PROPERTY(vorn::vornbase::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignmentThroughQt)
    /// Upper end of the range; a value above it shows the warning colours. Default 1000.0.
    Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHighThroughQt)
    /// Lower end of the range; a value below it shows the warning colours. Default 0.0.
    Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLowThroughQt)
    /// No editing and no caret. Default false.
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadonlyThroughQt)
    /// Caption right of the box, usually the unit. Default empty.
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightTextThroughQt)
    /// Alignment of the right caption. Default taLeftJustify.
    Q_PROPERTY(vorn::vornbase::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignmentThroughQt)
    /// Significant digits written in itExp, 1 .. 15. Default 6.
    Q_PROPERTY(int SignificantDigits READ SignificantDigits WRITE SetSigDigThroughQt)
    /// The text in the box, which is the value; an invalid text is ignored. Default empty.
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY textChanged)
    /// Width of the box in pixels. Default 80.
    Q_PROPERTY(int TextBoxWidth READ TextBoxWidth WRITE SetTextBoxWidthThroughQt)
    /// The number, written into and read out of Text by InputFormat. Default 0.
    Q_PROPERTY(double Value READ GetNioValue WRITE setValue NOTIFY valueChanged USER true)
    /// Takes the focus by Tab and click when true, by click only when false. Default false.
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStopThroughQt)

public:
    using TNotifyEvent = numio::TNotifyEvent;
    using TMouseEvent = numio::TMouseEvent;
    using TMouseMoveEvent = numio::TMouseMoveEvent;
    using TKeyEvent = numio::TKeyEvent;
    using TKeyPressEvent = numio::TKeyPressEvent;

    explicit TNumIO2(QWidget* parent = nullptr);
    ~TNumIO2() override;

    /// \name Value and text
    ///@{
    double GetNioValue() const;
    void SetNioValue(double value);
    int32_t GetNioIntValue() const;
    QString Text() const;
    void SetNioText(const QString& value);
    /// Whether a text is valid for the current format and separator policy.
    bool CheckValidity(const QString& Instring) const;
    /// Value below RangeLow or above RangeHigh.
    bool OutOfRange() const;
    /// Raises OnChange when assigned, then emits changed().
    void Changed();
    /// Copies the model of another field (fields only, no writer runs).
    void Assign(QObject* Source);
    void AssignTo(QObject* Dest);
    ///@}

    /// \name Public, not published
    ///@{
    int32_t IntegerValue() const { return GetNioIntValue(); }
    int SelBegin() const;
    int SelEnd() const;
    void SetSelBegin(int value);
    void SetSelEnd(int value);
    int MouseAreaCode() const;
    int CaretPos() const;
    bool CaretVisible() const;
    /// Stops of the spin buttons and the gauge, ascending; empty: none.
    std::vector<double>& ButtonPivots;
    ///@}

    /// \name Caret, focus, click
    ///@{
    void UpdateTimer();
    void SetFocus();
    void Click();
    /// A key that puts the focus into the field from anywhere in its window,
    /// with the whole text selected so that typing replaces it (as a line
    /// edit does for a shortcut); assistive technology reports it as the
    /// field's keyboard shortcut. It works while the field is shown and
    /// enabled. Empty (the default): none.
    QKeySequence FocusShortcut() const;
    void SetFocusShortcut(const QKeySequence& Key);
    /// The hidden window whose timer 1 blinks the caret.
    TMessageTimer* CaretTimer() const;
    ///@}

    /// \name Layout
    ///@{
    int CharPosToXCoords(int cp) const;
    int XCoordsToCharPos(int X) const;

    void Paint() override;
    /// The natural size: the box at LeftSpace, the spin buttons and the right
    /// caption beside it, the gauge below, rows of the automatic height; and
    /// the least that shows box, buttons and gauge whole.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    ///@}

    /// \name Framework properties
    ///@{
    QString Name() const { return objectName(); }
    void SetName(const QString& value) { setObjectName(value); }
    int Left() const { return x(); }
    void SetLeft(int value) { move(value, y()); }
    int Top() const { return y(); }
    void SetTop(int value) { move(x(), value); }
    int Width() const { return width(); }
    void SetWidth(int value) { resize(value, height()); }
    int Height() const { return height(); }
    void SetHeight(int value);
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool value) { setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus); }
    ///@}

    /// \name Published properties
    ///@{
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    bool AutoSize() const;
    void SetAutoSize(bool value);
    bool Beep() const;
    void SetBeep(bool value);
    bool ButVisible() const;
    void SetButVis(bool value);
    bool But3D() const;
    void SetBut3D(bool value);
    int ButHeight() const;
    void SetButHeight(int value);
    int ButWidth() const;
    void SetButWidth(int value);
    double ButIncrem() const;
    void SetButIncrement(double value);
    int ButSpace() const;
    void SetButSpace(int value);
    TColor ButColor() const;
    void SetButColor(TColor value);
    TColor ColorBoxBG() const;
    void SetColorBoxBG(TColor value);
    TColor ColorBoxText() const;
    void SetColorBoxText(TColor value);
    TColor ColorOutBG() const;
    void SetColorOutBG(TColor value);
    TColor ColorOutText() const;
    void SetColorOutText(TColor value);
    TColorScheme ColorScheme() const;
    void SetColorScheme(TColorScheme value);
    TColor ColorWarnBG() const;
    void SetColorWarnBG(TColor value);
    TColor ColorWarnText() const;
    void SetColorWarnBoxText(TColor value);
    TDecPSep DecPlaceSep() const;
    void SetDecSep(TDecPSep value);
    bool Enabled() const;
    void SetEnabled(bool value);
    int FixPointDecPlaces() const;
    void SetDecP(int value);
    TFrameStyle FrameStyle() const;
    void SetFrameStyle(TFrameStyle value);
    TColor GaugeColor() const;
    void SetGaugeColor(TColor value);
    TColor GaugeColorBg() const;
    void SetGaugeColorBg(TColor value);
    TColor GaugeColorFrame() const;
    void SetGaugeColorFrm(TColor value);
    int GaugeHeight() const;
    void SetGaugeHeight(int value);
    TFrameStyle GaugeFrameStyle() const;
    void SetGaugeFrameStyle(TFrameStyle value);
    int GaugeLeftMargin() const;
    void SetGaugeLeftMarg(int value);
    int GaugeTopMargin() const;
    void SetGaugeTopMarg(int value);
    bool GaugeVisible() const;
    void SetGaugeVisib(bool value);
    int GaugeWidth() const;
    void SetGaugeWidth(int value);
    bool HideSelection() const;
    void SetHideSel(bool value);
    TInFormat InputFormat() const;
    void SetInFormatType(TInFormat value);
    int LeftSpace() const;
    void SetLeftSpace(int value);
    QString LeftText() const;
    void SetLeftText(const QString& value);
    TAlignment LeftTextAlignment() const;
    void SetLeftTextAlignment(TAlignment value);
    double RangeHigh() const;
    void SetRangeHigh(double value);
    double RangeLow() const;
    void SetRangeLow(double value);
    bool ReadOnly() const;
    void SetReadonly(bool value);
    QString RightText() const;
    void SetRightText(const QString& value);
    TAlignment RightTextAlignment() const;
    void SetRightTextAlignment(TAlignment value);
    int SignificantDigits() const;
    void SetSigDig(int value);
    int TextBoxWidth() const;
    void SetTextBoxWidth(int value);
    ///@}

    /// \name Events
    ///@{
    TNotifyEvent OnChange;
    TOnGaugeChangeEvent OnGaugeChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    ///@}

public Q_SLOTS:
    /// Writes Text as SetNioText does, for connections and Qt's property system:
    /// a value the control refuses is reported (ReportRefusedWrite), not thrown.
    void setText(const QString& text) { WriteThroughQt("Text", text, [&] { SetNioText(text); }); }
    /// Writes Value as SetNioValue does, for connections and Qt's property system:
    /// a value the control refuses is reported (ReportRefusedWrite), not thrown.
    void setValue(double value) { WriteThroughQt("Value", value, [&] { SetNioValue(value); }); }

    // The other published properties' writers as Qt spells them, set + the
    // property's name (uic's code for a form calls them): each writes its
    // property as setProperty() does, through the property's own writer,
    // and so reports a value the control refuses instead of throwing.
    // Enabled and Visible are QWidget's own setEnabled() and setVisible().
    void setName(const QString& value) { SetNameThroughQt(value); } ///< Name
    void setLeft(int value) { SetLeftThroughQt(value); } ///< Left
    void setTop(int value) { SetTopThroughQt(value); } ///< Top
    void setWidth(int value) { SetWidthThroughQt(value); } ///< Width
    void setAlignment(vorn::vornbase::TAlignment value) { SetAlignmentThroughQt(value); } ///< Alignment
    void setAutoSize(bool value) { SetAutoSizeThroughQt(value); } ///< AutoSize
    void setBeep(bool value) { SetBeepThroughQt(value); } ///< Beep
    void setButVisible(bool value) { SetButVisThroughQt(value); } ///< ButVisible
    void setBut3D(bool value) { SetBut3DThroughQt(value); } ///< But3D
    void setButHeight(int value) { SetButHeightThroughQt(value); } ///< ButHeight
    void setButWidth(int value) { SetButWidthThroughQt(value); } ///< ButWidth
    void setButIncrem(double value) { SetButIncrementThroughQt(value); } ///< ButIncrem
    void setButSpace(int value) { SetButSpaceThroughQt(value); } ///< ButSpace
    void setButColor(TColor value) { SetButColorThroughQt(value); } ///< ButColor
    void setColorBoxBG(TColor value) { SetColorBoxBGThroughQt(value); } ///< ColorBoxBG
    void setColorBoxText(TColor value) { SetColorBoxTextThroughQt(value); } ///< ColorBoxText
    void setColorOutBG(TColor value) { SetColorOutBGThroughQt(value); } ///< ColorOutBG
    void setColorOutText(TColor value) { SetColorOutTextThroughQt(value); } ///< ColorOutText
    void setColorScheme(vorn::vornbase::TColorScheme value) { SetColorSchemeThroughQt(value); } ///< ColorScheme
    void setColorWarnBG(TColor value) { SetColorWarnBGThroughQt(value); } ///< ColorWarnBG
    void setColorWarnText(TColor value) { SetColorWarnBoxTextThroughQt(value); } ///< ColorWarnText
    void setDecPlaceSep(vorn::vornbase::TDecPSep value) { SetDecSepThroughQt(value); } ///< DecPlaceSep
    void setFixPointDecPlaces(int value) { SetDecPThroughQt(value); } ///< FixPointDecPlaces
    void setFrameStyle(vorn::vornbase::TFrameStyle value) { SetFrameStyleThroughQt(value); } ///< FrameStyle
    void setGaugeColor(TColor value) { SetGaugeColorThroughQt(value); } ///< GaugeColor
    void setGaugeColorBg(TColor value) { SetGaugeColorBgThroughQt(value); } ///< GaugeColorBg
    void setGaugeColorFrame(TColor value) { SetGaugeColorFrmThroughQt(value); } ///< GaugeColorFrame
    void setGaugeHeight(int value) { SetGaugeHeightThroughQt(value); } ///< GaugeHeight
    void setGaugeFrameStyle(vorn::vornbase::TFrameStyle value) { SetGaugeFrameStyleThroughQt(value); } ///< GaugeFrameStyle
    void setGaugeLeftMargin(int value) { SetGaugeLeftMargThroughQt(value); } ///< GaugeLeftMargin
    void setGaugeTopMargin(int value) { SetGaugeTopMargThroughQt(value); } ///< GaugeTopMargin
    void setGaugeVisible(bool value) { SetGaugeVisibThroughQt(value); } ///< GaugeVisible
    void setGaugeWidth(int value) { SetGaugeWidthThroughQt(value); } ///< GaugeWidth
    void setHeight(int value) { SetHeightThroughQt(value); } ///< Height
    void setHideSelection(bool value) { SetHideSelThroughQt(value); } ///< HideSelection
    void setInputFormat(vorn::numio::TInFormat value) { SetInFormatTypeThroughQt(value); } ///< InputFormat
    void setLeftSpace(int value) { SetLeftSpaceThroughQt(value); } ///< LeftSpace
    void setLeftText(const QString& value) { SetLeftTextThroughQt(value); } ///< LeftText
    void setLeftTextAlignment(vorn::vornbase::TAlignment value) { SetLeftTextAlignmentThroughQt(value); } ///< LeftTextAlignment
    void setRangeHigh(double value) { SetRangeHighThroughQt(value); } ///< RangeHigh
    void setRangeLow(double value) { SetRangeLowThroughQt(value); } ///< RangeLow
    void setReadOnly(bool value) { SetReadonlyThroughQt(value); } ///< ReadOnly
    void setRightText(const QString& value) { SetRightTextThroughQt(value); } ///< RightText
    void setRightTextAlignment(vorn::vornbase::TAlignment value) { SetRightTextAlignmentThroughQt(value); } ///< RightTextAlignment
    void setSignificantDigits(int value) { SetSigDigThroughQt(value); } ///< SignificantDigits
    void setTextBoxWidth(int value) { SetTextBoxWidthThroughQt(value); } ///< TextBoxWidth
    void setTabStop(bool value) { SetTabStopThroughQt(value); } ///< TabStop

Q_SIGNALS:
    /// Text and Value changed, by a writer, an edit, a spin or the gauge:
    /// emitted once the change is complete, the text first, and ahead of
    /// OnChange when the change raises it.
    void textChanged(const QString& text);
    void valueChanged(double value);
    /// Each event's signal, emitted right after its member is called (or
    /// would be, when it is not assigned), with the same arguments: the member
    /// first, then the signal. The member's name follows each. As OnChange,
    /// changed() comes from the user's edits only, never from a writer.
    void changed();                                                              ///< OnChange
    void gaugeChanged(TShiftState shift, double gaugeValue);                     ///< OnGaugeChange
    void clicked();                                                              ///< OnClick
    void doubleClicked();                                                        ///< OnDblClick
    void mousePressed(Qt::MouseButton button, TShiftState shift, int x, int y);  ///< OnMouseDown
    void mouseMoved(TShiftState shift, int x, int y);                            ///< OnMouseMove
    void mouseReleased(Qt::MouseButton button, TShiftState shift, int x, int y); ///< OnMouseUp
    void keyPressed(uint16_t key, TShiftState shift);                            ///< OnKeyDown
    void characterTyped(QChar key);                                              ///< OnKeyPress
    void keyReleased(uint16_t key, TShiftState shift);                           ///< OnKeyUp
    void focusEntered();                                                         ///< OnEnter
    void focusExited();                                                          ///< OnExit

protected:
    /// The field's window exists: painting is enabled from now on.
    void CreateWnd();
    /// Key-down and key-up handling on virtual-key codes.
    void CNKeyDown(uint16_t CharCode);
    void CNKeyUp(uint16_t CharCode);
    void CaretTimerEvent(QObject* Sender);
    void WndProc(int TimerId);
    void MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y);

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    /// Painted by Qt, also off screen (grab(), render()): the window exists.
    void paintEvent(QPaintEvent* e) override;
    /// The widget's own enabled state, also through its parent, is Enabled.
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    /// The published properties' writers for Qt's property system (see
    /// VORN_QT_WRITER): a value the control refuses is reported, not thrown.
    VORN_QT_WRITER(Name, SetName)
    VORN_QT_WRITER(Left, SetLeft)
    VORN_QT_WRITER(Top, SetTop)
    VORN_QT_WRITER(Width, SetWidth)
    VORN_QT_WRITER(Alignment, SetAlignment)
    VORN_QT_WRITER(AutoSize, SetAutoSize)
    VORN_QT_WRITER(Beep, SetBeep)
    VORN_QT_WRITER(ButVisible, SetButVis)
    VORN_QT_WRITER(But3D, SetBut3D)
    VORN_QT_WRITER(ButHeight, SetButHeight)
    VORN_QT_WRITER(ButWidth, SetButWidth)
    VORN_QT_WRITER(ButIncrem, SetButIncrement)
    VORN_QT_WRITER(ButSpace, SetButSpace)
    VORN_QT_WRITER(ButColor, SetButColor)
    VORN_QT_WRITER(ColorBoxBG, SetColorBoxBG)
    VORN_QT_WRITER(ColorBoxText, SetColorBoxText)
    VORN_QT_WRITER(ColorOutBG, SetColorOutBG)
    VORN_QT_WRITER(ColorOutText, SetColorOutText)
    VORN_QT_WRITER(ColorScheme, SetColorScheme)
    VORN_QT_WRITER(ColorWarnBG, SetColorWarnBG)
    VORN_QT_WRITER(ColorWarnText, SetColorWarnBoxText)
    VORN_QT_WRITER(DecPlaceSep, SetDecSep)
    VORN_QT_WRITER(Enabled, SetEnabled)
    VORN_QT_WRITER(FixPointDecPlaces, SetDecP)
    VORN_QT_WRITER(FrameStyle, SetFrameStyle)
    VORN_QT_WRITER(GaugeColor, SetGaugeColor)
    VORN_QT_WRITER(GaugeColorBg, SetGaugeColorBg)
    VORN_QT_WRITER(GaugeColorFrame, SetGaugeColorFrm)
    VORN_QT_WRITER(GaugeHeight, SetGaugeHeight)
    VORN_QT_WRITER(GaugeFrameStyle, SetGaugeFrameStyle)
    VORN_QT_WRITER(GaugeLeftMargin, SetGaugeLeftMarg)
    VORN_QT_WRITER(GaugeTopMargin, SetGaugeTopMarg)
    VORN_QT_WRITER(GaugeVisible, SetGaugeVisib)
    VORN_QT_WRITER(GaugeWidth, SetGaugeWidth)
    VORN_QT_WRITER(Height, SetHeight)
    VORN_QT_WRITER(HideSelection, SetHideSel)
    VORN_QT_WRITER(InputFormat, SetInFormatType)
    VORN_QT_WRITER(LeftSpace, SetLeftSpace)
    VORN_QT_WRITER(LeftText, SetLeftText)
    VORN_QT_WRITER(LeftTextAlignment, SetLeftTextAlignment)
    VORN_QT_WRITER(RangeHigh, SetRangeHigh)
    VORN_QT_WRITER(RangeLow, SetRangeLow)
    VORN_QT_WRITER(ReadOnly, SetReadonly)
    VORN_QT_WRITER(RightText, SetRightText)
    VORN_QT_WRITER(RightTextAlignment, SetRightTextAlignment)
    VORN_QT_WRITER(SignificantDigits, SetSigDig)
    VORN_QT_WRITER(TextBoxWidth, SetTextBoxWidth)
    VORN_QT_WRITER(TabStop, SetTabStop)
};

} // namespace vorn
