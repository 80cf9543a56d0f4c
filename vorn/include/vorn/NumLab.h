// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The numeric display label: a left caption, a framed value box of fixed
/// width showing one number in one of fifteen display types, and a right
/// caption, usually the unit. Read-only; it takes no focus and no keys.
///
/// The label composes its whole picture off-screen on every paint; a setter
/// that changes a value repaints at once. A transparent label keeps its
/// parent's pixels outside the box: its picture is ANDed over them.
#include "Keys.h"
#include "Surface.h"
#include "vornbase.h"

#include <vorn/vorn_export.h>

#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace vorn {

class TNumLabPrivate;

// The display types, vorn::numlab::TDisplay, are declared in vornbase.h.

/// An angle in degrees as text: "12.50°" (dfDeg), "12° 30.00'" (dfDegMin),
/// <code>12° 30' 45.0"</code> (dfDegMinSec) or the plain number (dfNumeric), with
/// Precision (0 to 8) decimals on the last field. Only the degree field
/// carries a sign. The minute and second forms round the angle to an integer,
/// so a NaN or a value beyond the 64-bit range throws EInvalidOp.
VORN_EXPORT QString DegreeToStr(double InNum, TDegreeFormat Format, int Precision);

/// \brief The numeric display label: a number, date, angle or state text in a framed box.
///
/// \image html numlab.png
///
/// A left caption, a framed box and a right caption. The box shows Value as
/// DisplayType says: fixed point with Precision decimals, floating point,
/// exponential, engineering notation with a unit prefix, integer, hex,
/// octal, binary, degrees, a date and time, or the fixed StateText. The
/// OnBeforeDisplay hook (and the beforeDisplay() signal) may rewrite the
/// text just before it is shown. It takes no input. Include
/// `<vorn/NumLab.h>`.
///
/// Value is the USER property; valueChanged() tells every change and
/// setValue() is its slot.
///
/// \section numlab_dates Dates and times
///
/// With DisplayType dtDateTime, Value is a day number: the days since
/// 30 December 1899, which is day 0, with the time of day as its fraction
/// (0.5 is noon, 0.75 is 18:00). The fraction counts forward from midnight
/// for a negative day number too: -1.25 is 29 December 1899, 06:00. So
/// 41640.0 is 1 January 2014, and with the default DTFormat, "mmm-dd, yyyy",
/// the label shows "Jan-01, 2014". DTFormat is a pattern of these letters,
/// in either case:
///
/// | Pattern     | Gives                                                          |
/// |-------------|----------------------------------------------------------------|
/// | `d` `dd`    | day of the month, `dd` with a leading zero: 1, 01              |
/// | `ddd` `dddd`| name of the weekday, short or long: Wed, Wednesday             |
/// | `m` `mm`    | month, `mm` with a leading zero: 1, 01; right after an hour, the minute |
/// | `mmm` `mmmm`| name of the month, short or long: Jan, January                 |
/// | `yy` `yyyy` | year, two or four digits: 14, 2014                             |
/// | `h` `hh`    | hour, `hh` with a leading zero; on a 12-hour clock when `am/pm` or `a/p` follows, else 0 to 23 |
/// | `n` `nn`    | minute, `nn` with a leading zero                               |
/// | `s` `ss`    | second, `ss` with a leading zero                               |
/// | `z` `zzz`   | millisecond, `zzz` with leading zeros to three digits          |
/// | `am/pm`     | am or pm, in the case the pattern writes them (`AM/PM` gives AM) |
/// | `a/p`       | a or p, in the pattern's case                                  |
/// | <code>'text'</code> <code>"text"</code> | the text between the quotes, as it stands |
///
/// Any other character is copied as it stands, and names are English. For
/// example "dd/mm/yyyy hh:nn" shows 41640.75 as "01/01/2014 18:00", and
/// "dddd, mmmm d" as "Wednesday, January 1". A day number outside the years
/// 1 to 9999, or a NaN, shows OverflowIndicator.
///
/// \code
/// auto* label = new vorn::TNumLab(parent);
/// label->SetLeftText(QStringLiteral("Required C"));
/// label->SetRightText(QStringLiteral("pF"));
/// label->SetDisplayType(vorn::numlab::dtFixP);
/// label->SetLabValue(135.79);
/// \endcode
class VORN_EXPORT TNumLab : public TSurface
{
    Q_OBJECT
    /// Alignment of the value text in the box. Default taCenter.
    Q_PROPERTY(vorn::vornbase::TAlignment Alignment READ Alignment WRITE SetAlignmentThroughQt)
    /// Background of the box. Default clBtnFace.
    Q_PROPERTY(TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakGThroughQt)
    /// Colour of the value text. Default clBlack.
    Q_PROPERTY(TColor ColorLabText READ ColorLabText WRITE SetColorLabTextThroughQt)
    /// Background outside the box. Default clBtnFace.
    Q_PROPERTY(TColor ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakGThroughQt)
    /// Colour of the captions. Default clBlack.
    Q_PROPERTY(TColor ColorOutText READ ColorOutText WRITE SetColorOutTextThroughQt)
    /// Frame line colours: fixed black, white and gray, or the desktop's. Default csBWG.
    Q_PROPERTY(vorn::vornbase::TColorScheme ColorScheme READ ColorScheme WRITE SetColorSchemeThroughQt)
    /// Decimal separator shown: "," when true, "." when false. Default false.
    Q_PROPERTY(bool Comma READ Comma WRITE SetFCommaThroughQt)
    /// How the value is shown. Default dtFixP.
    Q_PROPERTY(vorn::numlab::TDisplay DisplayType READ DisplayType WRITE SetDisplayTypeThroughQt)
    /// Date and time pattern of dtDateTime (see \ref numlab_dates). Default "mmm-dd, yyyy".
    Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDtFormatThroughQt)
    /// The box drawn without any value text. Default false.
    Q_PROPERTY(bool Empty READ Empty WRITE SetEmptyThroughQt)
    /// Enabled look: captions and value engraved and gray when false. Default true.
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabledThroughQt DESIGNABLE false)
    /// Font of captions and value. Default the parent's font.
    Q_PROPERTY(QFont Font READ font WRITE setFontThroughQt DESIGNABLE false)
    /// "+" before positive values. Default false.
    Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetFPlusSignThroughQt)
    /// Frame of the box. Default fsLowered.
    Q_PROPERTY(vorn::vornbase::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyleThroughQt)
    /// Width of the value box in pixels, not limited. Default 80.
    Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabWidthThroughQt)
    /// x of the value box's left edge, 0 .. Width. Default 35.
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpaceThroughQt)
    /// Caption left of the box. Default empty.
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftTextThroughQt)
    /// Alignment of the left caption. Default taRightJustify.
    Q_PROPERTY(vorn::vornbase::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLTAlignmentThroughQt)
    /// Shown instead of a value that cannot be shown or does not fit. Default nine "*".
    Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverFlowIndiThroughQt)
    /// Decimals, significant digits or digit count by display type, 0 .. 15. Default 2.
    Q_PROPERTY(int Precision READ Precision WRITE SetDecPThroughQt)
    /// Caption right of the box, usually the unit. Default empty.
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightTextThroughQt)
    /// Alignment of the right caption. Default taLeftJustify.
    Q_PROPERTY(vorn::vornbase::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRTAlignmentThroughQt)
    /// Text shown by dtState. Default "undefined".
    Q_PROPERTY(QString StateText READ StateText WRITE SetStateTextThroughQt)
    /// The parent shows through outside the box. Default false.
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparentThroughQt)
    /// The number shown; a NaN is never stored. Default 0.0.
    Q_PROPERTY(double Value READ Value WRITE setValue NOTIFY valueChanged USER true)
    /// Shown at all. Default true.
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisibleThroughQt)

public:
    // Called with the display text just before it is drawn; may replace it.
    using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;
    using TNotifyEvent = std::function<void(QObject* Sender)>;
    // Shift: 1 Shift, 2 Alt, 4 Ctrl, 8 left, 16 right, 32 middle button.
    using TMouseEvent = std::function<void(QObject* Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;
    using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;

    explicit TNumLab(QWidget* parent = nullptr);
    ~TNumLab() override;

    /// Copies the look and value of another label (not Comma, ForcePlusSign,
    /// DTFormat, Enabled, the hook, font or bounds) and repaints once; any
    /// other source throws EConvertError.
    virtual void Assign(const QObject* Source);
    /// Dest->Assign(this) for a label; any other destination throws
    /// EConvertError.
    virtual void AssignTo(QObject* Dest) const;

    void Paint() override;
    /// The natural size: the box at LeftSpace with the right caption beside
    /// it, as high as the font's line + 6; and the least that shows the box
    /// with the whole text line inside it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    /// The text the box shows now: the value by display type, separator and
    /// sign, the hook's rewrite, and the overflow indicator when it does not
    /// fit the box. Empty when Empty is set (the hook is then not called).
    QString DisplayText() const;
    /// The text the last paint showed, which a screen reader reads: the
    /// same as DisplayText() but without calling the hook again. A label
    /// whose last paint composed nothing builds the text now.
    QString ShownText() const;

    /// The area under the mouse at the last move: 0 left caption, 1 box,
    /// 2 right caption.
    int MouseAreaCode() const;

    TAlignment Alignment() const;
    TColor ColorLabBakG() const;
    TColor ColorLabText() const;
    TColor ColorOutBakG() const;
    TColor ColorOutText() const;
    TColorScheme ColorScheme() const;
    bool Comma() const;
    TDisplay DisplayType() const;
    QString DTFormat() const;
    bool Empty() const;
    bool Enabled() const;
    bool ForcePlusSign() const;
    TFrameStyle FrameStyle() const;
    int LabelWidth() const;
    int LeftSpace() const;
    QString LeftText() const;
    TAlignment LeftTextAlignment() const;
    QString OverflowIndicator() const;
    int Precision() const;
    QString RightText() const;
    TAlignment RightTextAlignment() const;
    QString StateText() const;
    bool Transparent() const;
    double Value() const;

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
    /// Always stores and repaints, and passes the state on to the widget.
    void SetEnabled(bool Value);
    void SetFPlusSign(bool Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetLabWidth(int Value);
    /// Negative values are ignored; values beyond Width are stored as Width.
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

    TBeforeDisplayEvent OnBeforeDisplay;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

public Q_SLOTS:
    /// Writes Value as SetLabValue does, for connections and Qt's property system:
    /// a value the control refuses is reported (ReportRefusedWrite), not thrown.
    void setValue(double value) { WriteThroughQt("Value", value, [&] { SetLabValue(value); }); }

    // The other published properties' writers as Qt spells them, set + the
    // property's name (uic's code for a form calls them): each writes its
    // property as setProperty() does, through the property's own writer,
    // and so reports a value the control refuses instead of throwing.
    // Enabled, Font and Visible are QWidget's own setEnabled(), setFont()
    // and setVisible().
    void setAlignment(vorn::vornbase::TAlignment value) { SetAlignmentThroughQt(value); } ///< Alignment
    void setColorLabBakG(TColor value) { SetColorLabBakGThroughQt(value); } ///< ColorLabBakG
    void setColorLabText(TColor value) { SetColorLabTextThroughQt(value); } ///< ColorLabText
    void setColorOutBakG(TColor value) { SetColorOutBakGThroughQt(value); } ///< ColorOutBakG
    void setColorOutText(TColor value) { SetColorOutTextThroughQt(value); } ///< ColorOutText
    void setColorScheme(vorn::vornbase::TColorScheme value) { SetColorSchemeThroughQt(value); } ///< ColorScheme
    void setComma(bool value) { SetFCommaThroughQt(value); } ///< Comma
    void setDisplayType(vorn::numlab::TDisplay value) { SetDisplayTypeThroughQt(value); } ///< DisplayType
    void setDTFormat(const QString& value) { SetDtFormatThroughQt(value); } ///< DTFormat
    void setEmpty(bool value) { SetEmptyThroughQt(value); } ///< Empty
    void setForcePlusSign(bool value) { SetFPlusSignThroughQt(value); } ///< ForcePlusSign
    void setFrameStyle(vorn::vornbase::TFrameStyle value) { SetFrameStyleThroughQt(value); } ///< FrameStyle
    void setLabelWidth(int value) { SetLabWidthThroughQt(value); } ///< LabelWidth
    void setLeftSpace(int value) { SetLeftSpaceThroughQt(value); } ///< LeftSpace
    void setLeftText(const QString& value) { SetLeftTextThroughQt(value); } ///< LeftText
    void setLeftTextAlignment(vorn::vornbase::TAlignment value) { SetLTAlignmentThroughQt(value); } ///< LeftTextAlignment
    void setOverflowIndicator(const QString& value) { SetOverFlowIndiThroughQt(value); } ///< OverflowIndicator
    void setPrecision(int value) { SetDecPThroughQt(value); } ///< Precision
    void setRightText(const QString& value) { SetRightTextThroughQt(value); } ///< RightText
    void setRightTextAlignment(vorn::vornbase::TAlignment value) { SetRTAlignmentThroughQt(value); } ///< RightTextAlignment
    void setStateText(const QString& value) { SetStateTextThroughQt(value); } ///< StateText
    void setTransparent(bool value) { SetTransparentThroughQt(value); } ///< Transparent

Q_SIGNALS:
    /// Value changed, by its writer or a copy.
    void valueChanged(double value);
    /// Each event's signal, emitted right after its member is called (or
    /// would be, when it is not assigned), with the same arguments: the member
    /// first, then the signal. The member's name follows each. A slot
    /// connected directly may rewrite the text, as the hook may.
    void beforeDisplay(QString& text);                                           ///< OnBeforeDisplay
    void clicked();                                                              ///< OnClick
    void doubleClicked();                                                        ///< OnDblClick
    void mousePressed(Qt::MouseButton button, TShiftState shift, int x, int y);  ///< OnMouseDown
    void mouseMoved(TShiftState shift, int x, int y);                            ///< OnMouseMove
    void mouseReleased(Qt::MouseButton button, TShiftState shift, int x, int y); ///< OnMouseUp

protected:
    /// Records the area under X, then raises OnMouseMove.
    virtual void MouseMove(TShiftState Shift, int X, int Y);

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class TNumLabPrivate;
    /// The label's state and its core (NumLab_p.h).
    std::unique_ptr<TNumLabPrivate> const d;

private:
    /// The published properties' writers for Qt's property system (see
    /// VORN_QT_WRITER): a value the control refuses is reported, not thrown.
    VORN_QT_WRITER(Alignment, SetAlignment)
    VORN_QT_WRITER(ColorLabBakG, SetColorLabBakG)
    VORN_QT_WRITER(ColorLabText, SetColorLabText)
    VORN_QT_WRITER(ColorOutBakG, SetColorOutBakG)
    VORN_QT_WRITER(ColorOutText, SetColorOutText)
    VORN_QT_WRITER(ColorScheme, SetColorScheme)
    VORN_QT_WRITER(Comma, SetFComma)
    VORN_QT_WRITER(DisplayType, SetDisplayType)
    VORN_QT_WRITER(DTFormat, SetDtFormat)
    VORN_QT_WRITER(Empty, SetEmpty)
    VORN_QT_WRITER(Enabled, SetEnabled)
    VORN_QT_WRITER(Font, setFont)
    VORN_QT_WRITER(ForcePlusSign, SetFPlusSign)
    VORN_QT_WRITER(FrameStyle, SetFrameStyle)
    VORN_QT_WRITER(LabelWidth, SetLabWidth)
    VORN_QT_WRITER(LeftSpace, SetLeftSpace)
    VORN_QT_WRITER(LeftText, SetLeftText)
    VORN_QT_WRITER(LeftTextAlignment, SetLTAlignment)
    VORN_QT_WRITER(OverflowIndicator, SetOverFlowIndi)
    VORN_QT_WRITER(Precision, SetDecP)
    VORN_QT_WRITER(RightText, SetRightText)
    VORN_QT_WRITER(RightTextAlignment, SetRTAlignment)
    VORN_QT_WRITER(StateText, SetStateText)
    VORN_QT_WRITER(Transparent, SetTransparent)
    VORN_QT_WRITER(Visible, SetVisible)
};

} // namespace vorn
