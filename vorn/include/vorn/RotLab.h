// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// TRotLab: a caption drawn at any angle about a reference point, plain or
/// anti-aliased, with an optional frame around the whole control. It takes no
/// input and never takes the focus.
#include "Canvas.h"
#include "Colors.h"
#include "Surface.h"
#include "vornbase.h"

#include <vorn/vorn_export.h>

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

namespace vorn {

class TRotLabPrivate;

/// \brief The rotated label: a caption turned by any angle about a point.
///
/// \image html rotlab.png
///
/// Caption is drawn at TextAngle degrees about the reference point (PosX,
/// PosY), or the control's centre under AutoCenter, plain or anti-aliased,
/// on the parent's background when Transparent, with an optional frame
/// around the whole control. It takes no input and never takes the focus.
/// Include `<vorn/RotLab.h>`.
///
/// textChanged() tells every change of Caption, and setCaption() is its slot.
///
/// \code
/// auto* caption = new vorn::TRotLab(parent);
/// caption->SetCaption(QStringLiteral("Rotated label"));
/// caption->SetTextAngle(90);   // reads from the bottom up
/// \endcode
class VORN_EXPORT TRotLab : public TSurface
{
    Q_OBJECT
    /// Which point of the text lies on (PosX, PosY): the middle of its left
    /// end, its centre or the middle of its right end. Default taCenter.
    Q_PROPERTY(vorn::vornbase::TAlignment Alignment READ Alignment WRITE SetAlignmentThroughQt)
    /// Anti-aliased glyph edges; otherwise the default glyph quality. Default true.
    Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAliasThroughQt)
    /// Keep the reference point at the control's centre. Default true.
    Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenterThroughQt)
    /// The text drawn. Default empty.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY textChanged)
    /// Background filled when the label is not transparent. Default clBtnFace.
    Q_PROPERTY(TColor Color READ Color WRITE SetColorThroughQt)
    /// Frame drawn around the whole control. Default fsLowered.
    Q_PROPERTY(vorn::vornbase::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyleThroughQt)
    /// Reference point in pixels from the control's left and top edges. Default (10, 10).
    Q_PROPERTY(int PosX READ PosX WRITE SetTextPosXThroughQt)
    Q_PROPERTY(int PosY READ PosY WRITE SetTextPosYThroughQt)
    /// Angle of the text in whole degrees, counter-clockwise on the screen. Default 0.
    Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngleThroughQt)
    /// Leave the background unpainted, so the parent shows through. Default true.
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparentThroughQt)

public:
    /// Text-format flag of the measuring call of DoDrawText.
    static constexpr unsigned DT_CALCRECT = 0x0400;

    explicit TRotLab(QWidget* parent = nullptr);
    ~TRotLab() override;

    TAlignment Alignment() const;
    bool AntiAlias() const;
    bool AutoCenter() const;
    const QString& Caption() const;
    TColor Color() const;
    TFrameStyle FrameStyle() const;
    int PosX() const;
    int PosY() const;
    int TextAngle() const;
    bool Transparent() const;

    void SetAlignment(TAlignment Value);
    void SetAntiAlias(bool Value);
    void SetAutoCenter(bool Value);
    void SetCaption(const QString& Value);
    void SetColor(TColor Value);
    void SetFrameStyle(TFrameStyle Value);
    void SetTextPosX(int Value);
    void SetTextPosY(int Value);
    void SetTextAngle(int Value);
    void SetTransparent(bool Value);

    /// Copies centring, frame, angle, position and anti-aliasing from another
    /// TRotLab; any other source throws EConvertError.
    void Assign(QObject* Source);
    /// Assign of a TRotLab destination with this label as the source; any
    /// other destination throws EConvertError.
    void AssignTo(QObject* Dest);

    /// The reference point to the control's centre, without repainting.
    void AdjustAutoCenter();
    /// Resize handler: re-centres the reference point of a control with a
    /// parent when AutoCenter is on, and repaints. The label's own resizes
    /// re-centre it before the surface repaints at the new size.
    void ProcessResize(QObject* Sender);

    /// The whole picture on a transparent layer: the background unless
    /// transparent, the text, the frame.
    void Paint() override;
    /// The natural size: the turned text's bounding box inside the frame,
    /// about the centre under AutoCenter, else from PosX and PosY. The least
    /// is the same, since all of it is the caption.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public Q_SLOTS:
    /// Writes Caption as SetCaption does, for connections and Qt's property system:
    /// a value the control refuses is reported (ReportRefusedWrite), not thrown.
    void setCaption(const QString& text) { WriteThroughQt("Caption", text, [&] { SetCaption(text); }); }

    // The other published properties' writers as Qt spells them, set + the
    // property's name (uic's code for a form calls them): each writes its
    // property as setProperty() does, through the property's own writer,
    // and so reports a value the control refuses instead of throwing.
    // Visible is QWidget's own setVisible().
    void setAlignment(vorn::vornbase::TAlignment value) { SetAlignmentThroughQt(value); } ///< Alignment
    void setAntiAlias(bool value) { SetAntiAliasThroughQt(value); } ///< AntiAlias
    void setAutoCenter(bool value) { SetAutoCenterThroughQt(value); } ///< AutoCenter
    void setColor(TColor value) { SetColorThroughQt(value); } ///< Color
    void setFrameStyle(vorn::vornbase::TFrameStyle value) { SetFrameStyleThroughQt(value); } ///< FrameStyle
    void setPosX(int value) { SetTextPosXThroughQt(value); } ///< PosX
    void setPosY(int value) { SetTextPosYThroughQt(value); } ///< PosY
    void setTextAngle(int value) { SetTextAngleThroughQt(value); } ///< TextAngle
    void setTransparent(bool value) { SetTransparentThroughQt(value); } ///< Transparent

Q_SIGNALS:
    /// Caption changed.
    void textChanged(const QString& text);

protected:
    /// The text-drawing hook: draws the turned caption, or only measures
    /// (DT_CALCRECT), which draws nothing and leaves Rect as it is.
    virtual void DoDrawText(QRect& Rect, unsigned Flags);
    TCanvas& Canvas();
    /// The device pixel ratio Paint composes at: the widget's.
    virtual qreal PaintRatio() const { return devicePixelRatioF(); }

    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TRotLabPrivate;
    /// The label's state and its core (RotLab_p.h).
    std::unique_ptr<TRotLabPrivate> const d;

private:
    /// The published properties' writers for Qt's property system (see
    /// VORN_QT_WRITER): a value the control refuses is reported, not thrown.
    VORN_QT_WRITER(Alignment, SetAlignment)
    VORN_QT_WRITER(AntiAlias, SetAntiAlias)
    VORN_QT_WRITER(AutoCenter, SetAutoCenter)
    VORN_QT_WRITER(Color, SetColor)
    VORN_QT_WRITER(FrameStyle, SetFrameStyle)
    VORN_QT_WRITER(PosX, SetTextPosX)
    VORN_QT_WRITER(PosY, SetTextPosY)
    VORN_QT_WRITER(TextAngle, SetTextAngle)
    VORN_QT_WRITER(Transparent, SetTransparent)
};

} // namespace vorn
