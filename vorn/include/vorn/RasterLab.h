// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The dot-matrix label: one line of text drawn as lit square dots on a raster
/// of dimmed dots, inside a frame, from a character matrix (the built-in
/// 7 x 12 font or any font rendered into a matrix at run time), optionally
/// scrolling on its own timer and wrapping around.
#include "Surface.h"
#include "vornbase.h"

#include <vorn/vorn_export.h>

#include <QFont>
#include <QImage>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

namespace vorn {

// TRDScrollMode, TRDBlockMode and TRDCharMatrix are declared in vornbase.h.

class TMessageTimer;
class TRasterLabPrivate;

/// The dot-matrix label's errors.
class VORN_EXPORT EVornRasterLabError : public EVornError
{
public:
    using EVornError::EVornError;
};

/// \brief The dot-matrix label: one line of text as lit dots, still or scrolling.
///
/// \image html rasterlab.png
///
/// Text is drawn as lit square dots on a raster of dimmed dots, inside a
/// frame, from a character matrix: the built-in 7 x 12 font while the
/// label's font is named "default" (as a new label's is), or the label's font
/// (QWidget::setFont()) rendered into a matrix when it is set; SetCharMatrix()
/// installs a matrix of the program's own. With ScrollMode the text scrolls
/// on its own timer and wraps around. It takes no input. Include
/// `<vorn/RasterLab.h>`.
///
/// textChanged() tells every change of Text, and setText() is its slot.
///
/// \code
/// auto* matrix = new vorn::TRasterLab(parent);
/// matrix->SetLabText(QStringLiteral("VORN 2.0"));
/// matrix->SetScrollMode(vorn::rasterlab::rdsmLeft);
/// \endcode
class VORN_EXPORT TRasterLab : public TSurface
{
    Q_OBJECT
    /// Height follows the matrix: frame allowance + pitch x FontHeight. Default false.
    Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeightThroughQt)
    /// The text is centred horizontally (PosX computed). Default false.
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenterThroughQt)
    /// Background and character-block colour. Default clBlack.
    Q_PROPERTY(TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakGThroughQt)
    /// Lit dots. Default clLime.
    Q_PROPERTY(TColor ColorDotOn READ ColorDotOn WRITE SetColorDotOnThroughQt)
    /// Dimmed dots. Default 0x404040.
    Q_PROPERTY(TColor ColorDotOff READ ColorDotOff WRITE SetColorDotOffThroughQt)
    /// Frame line colours: fixed black, white and gray, or the desktop's. Default csBWG.
    Q_PROPERTY(vorn::vornbase::TColorScheme ColorScheme READ ColorScheme WRITE SetColorSchemeThroughQt)
    /// Gap between dots in pixels, 0..3. Default 1.
    Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacingThroughQt)
    /// Edge of a dot in pixels, 1..32. Default 3.
    Q_PROPERTY(int DotSize READ DotSize WRITE SetDotSizeThroughQt)
    /// Frame style. Default fsLowered.
    Q_PROPERTY(vorn::vornbase::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyleThroughQt)
    /// Left pixel position of the text. Default 1.
    Q_PROPERTY(int PosX READ PosX WRITE SetXPosThroughQt)
    /// Top pixel position of the text. Default 1.
    Q_PROPERTY(int PosY READ PosY WRITE SetYPosThroughQt)
    /// Each glyph as wide as its own columns, else the matrix's cell. Default true.
    Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportionalThroughQt)
    /// Scroll direction. Default rdsmOff.
    Q_PROPERTY(vorn::rasterlab::TRDScrollMode ScrollMode READ ScrollMode WRITE SetScrollModeThroughQt)
    /// Milliseconds between scroll steps, at least 10. Default 100.
    Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollIvThroughQt)
    /// Pixels moved per step, positive. Default 1.
    Q_PROPERTY(int ScrollIncrement READ ScrollIncrement WRITE SetScrollIncThroughQt)
    /// Wrap around when the text has left the display. Default true.
    Q_PROPERTY(bool ScrollLoop READ ScrollLoop WRITE SetScrollLoopThroughQt)
    /// Dimmed-dot raster and character blocks. Default rdbmOn.
    Q_PROPERTY(vorn::rasterlab::TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockModeThroughQt)
    /// The text. Default "Text".
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY textChanged)

public:
    using TNotifyEvent = std::function<void(QObject* Sender)>;

    explicit TRasterLab(QWidget* parent = nullptr);
    ~TRasterLab() override;

    /// Copies frame, text, background, lit-dot colour and frame colours of
    /// another TRasterLab and repaints; any other source is an EConvertError.
    virtual void Assign(QObject* Source);

    /// A matrix from the built-in font (no font, or one named "default" in any
    /// case) or from rendering every character of Font in FontColor.
    static TRDCharMatrix CreateBitFont(const QFont* Font, TColor FontColor = clBlack);

    /// The character matrix in use; setting it repaints but neither resizes
    /// nor re-centres. The next font change replaces it.
    TRDCharMatrix CharMatrix() const;
    void SetCharMatrix(const TRDCharMatrix& Value);

    bool AutoHeight() const;
    bool AutoCenter() const;
    TColor ColorLabBakG() const;
    TColor ColorDotOn() const;
    TColor ColorDotOff() const;
    TColorScheme ColorScheme() const;
    int DotSpacing() const;
    int DotSize() const;
    TFrameStyle FrameStyle() const;
    int PosX() const;
    int PosY() const;
    bool Proportional() const;
    TRDScrollMode ScrollMode() const;
    int ScrollInterval() const;
    int ScrollIncrement() const;
    bool ScrollLoop() const;
    TRDBlockMode CharBlockMode() const;
    QString Text() const;

    void SetAutoHeight(bool Value);
    void SetAutoCenter(bool Value);
    void SetColorLabBakG(TColor Value);
    void SetColorDotOn(TColor Value);
    void SetColorDotOff(TColor Value);
    void SetColorScheme(TColorScheme Value);
    void SetDotSpacing(int Value);
    void SetDotSize(int Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetXPos(int Value);
    void SetYPos(int Value);
    void SetProportional(bool Value);
    void SetScrollMode(TRDScrollMode Value);
    void SetScrollIv(int Value);
    void SetScrollInc(int Value);
    void SetScrollLoop(bool Value);
    void SetCharBlockMode(TRDBlockMode Value);
    void SetLabText(const QString& Value);

    /// Fired after every scroll step; setting it restarts the timer.
    const TNotifyEvent& OnScrollTimer() const;
    void SetOnScrollTimer(TNotifyEvent Value);
    /// Fired when the scrolling text wraps around.
    TNotifyEvent OnScrollLoopRestart;

    /// The hidden window that carries the scroll timer (id 1).
    TMessageTimer* ScrTimerHandle() const;

    void Paint() override;
    /// The natural size: the frame round the text's dots from PosX and PosY
    /// (or where AutoCenter puts it), with the blank dot column that follows
    /// the text, and the height AutoHeight gives when it is on. A label that
    /// scrolls sideways needs across only the frame and one character cell;
    /// otherwise the least is the natural size.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Writes Text as SetLabText does, for connections and Qt's property system:
    /// a value the control refuses is reported (ReportRefusedWrite), not thrown.
    void setText(const QString& text) { WriteThroughQt("Text", text, [&] { SetLabText(text); }); }

    // The other published properties' writers as Qt spells them, set + the
    // property's name (uic's code for a form calls them): each writes its
    // property as setProperty() does, through the property's own writer,
    // and so reports a value the control refuses instead of throwing.
    // Visible is QWidget's own setVisible().
    void setAutoHeight(bool value) { SetAutoHeightThroughQt(value); } ///< AutoHeight
    void setAutoCenter(bool value) { SetAutoCenterThroughQt(value); } ///< AutoCenter
    void setColorLabBakG(TColor value) { SetColorLabBakGThroughQt(value); } ///< ColorLabBakG
    void setColorDotOn(TColor value) { SetColorDotOnThroughQt(value); } ///< ColorDotOn
    void setColorDotOff(TColor value) { SetColorDotOffThroughQt(value); } ///< ColorDotOff
    void setColorScheme(vorn::vornbase::TColorScheme value) { SetColorSchemeThroughQt(value); } ///< ColorScheme
    void setDotSpacing(int value) { SetDotSpacingThroughQt(value); } ///< DotSpacing
    void setDotSize(int value) { SetDotSizeThroughQt(value); } ///< DotSize
    void setFrameStyle(vorn::vornbase::TFrameStyle value) { SetFrameStyleThroughQt(value); } ///< FrameStyle
    void setPosX(int value) { SetXPosThroughQt(value); } ///< PosX
    void setPosY(int value) { SetYPosThroughQt(value); } ///< PosY
    void setProportional(bool value) { SetProportionalThroughQt(value); } ///< Proportional
    void setScrollMode(vorn::rasterlab::TRDScrollMode value) { SetScrollModeThroughQt(value); } ///< ScrollMode
    void setScrollInterval(int value) { SetScrollIvThroughQt(value); } ///< ScrollInterval
    void setScrollIncrement(int value) { SetScrollIncThroughQt(value); } ///< ScrollIncrement
    void setScrollLoop(bool value) { SetScrollLoopThroughQt(value); } ///< ScrollLoop
    void setCharBlockMode(vorn::rasterlab::TRDBlockMode value) { SetCharBlockModeThroughQt(value); } ///< CharBlockMode

Q_SIGNALS:
    /// Text changed, by its writer or a copy.
    void textChanged(const QString& text);
    /// The events' signals, emitted right after their members are called (or
    /// would be, when they are not assigned): the member first, then the
    /// signal. After every scroll step (OnScrollTimer):
    void scrollTimer();
    /// When the scrolling text wraps around (OnScrollLoopRestart):
    void scrollLoopRestarted();

protected:
    /// Hands this control to Dest's Assign when it is an instance of Dest's
    /// class; anything else is an EConvertError.
    virtual void AssignTo(QObject* Dest);
    /// One scroll tick: the step, then OnScrollTimer.
    virtual void DoTimer();
    /// The text has wrapped around: OnScrollLoopRestart.
    virtual void DoScrLoopRestart();

    /// Draws the on-dots of character c with its first drawn column at PosX
    /// and row 0 at PosY; returns the glyph's width in pixels.
    int PaintChar(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, QChar c, int DotSize, int DotSpacing,
                  TColor ColorFg, TColor ColorFgIA, TColor ColorBg, bool FixedWidth);
    /// Draws txt from PosX, each character followed by one blank dot column,
    /// wiping the blank columns in ColorBg in rdbmOn; TextBitLength receives
    /// the pixel length drawn + 1.
    void PaintString(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, const QString& txt, int DotSize,
                     int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg, TRDBlockMode CharBlocks,
                     bool Proportional, int& TextBitLength);
    /// The pixel length of txt with the current matrix and dot settings.
    int CalcTextBitLength(const QString& txt) const;
    /// The whole picture composed at device pixel ratio Ratio; Paint composes
    /// at the widget's ratio.
    QImage Compose(qreal Ratio);

    void changeEvent(QEvent* event) override;
    void DesigningChanged() override;

private:
    friend class TRasterLabPrivate;
    /// The label's state and its core (RasterLab_p.h).
    std::unique_ptr<TRasterLabPrivate> const d;

private:
    /// The published properties' writers for Qt's property system (see
    /// VORN_QT_WRITER): a value the control refuses is reported, not thrown.
    VORN_QT_WRITER(AutoHeight, SetAutoHeight)
    VORN_QT_WRITER(AutoCenter, SetAutoCenter)
    VORN_QT_WRITER(ColorLabBakG, SetColorLabBakG)
    VORN_QT_WRITER(ColorDotOn, SetColorDotOn)
    VORN_QT_WRITER(ColorDotOff, SetColorDotOff)
    VORN_QT_WRITER(ColorScheme, SetColorScheme)
    VORN_QT_WRITER(DotSpacing, SetDotSpacing)
    VORN_QT_WRITER(DotSize, SetDotSize)
    VORN_QT_WRITER(FrameStyle, SetFrameStyle)
    VORN_QT_WRITER(PosX, SetXPos)
    VORN_QT_WRITER(PosY, SetYPos)
    VORN_QT_WRITER(Proportional, SetProportional)
    VORN_QT_WRITER(ScrollMode, SetScrollMode)
    VORN_QT_WRITER(ScrollInterval, SetScrollIv)
    VORN_QT_WRITER(ScrollIncrement, SetScrollInc)
    VORN_QT_WRITER(ScrollLoop, SetScrollLoop)
    VORN_QT_WRITER(CharBlockMode, SetCharBlockMode)
};

} // namespace vorn
