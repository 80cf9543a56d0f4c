// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Pages.h"

#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QGroupBox>
#include <QPalette>

#include <cmath>

using namespace vorn;

// ---- TNumIO2 -----------------------------------------------------------------

TNumIOPage::TNumIOPage(QWidget* parent) : TGalleryPage(QStringLiteral("TNumIO2 field"), parent)
{
    Load(QStringLiteral("numio"), {{QStringLiteral("FieldChange"), [this](QObject* s) { FieldChange(s); }}});
    FLast = Member<TNumLab>(QStringLiteral("nlLast"));
}

// The label shows the value of the field just edited, and which field it was.
void TNumIOPage::FieldChange(QObject* Sender)
{
    auto* field = static_cast<TNumIO2*>(Sender);
    FLast->SetRightText(field->LeftText());
    FLast->SetLabValue(field->GetNioValue());
}

// ---- TNumLab -------------------------------------------------------------------

TNumLabPage::TNumLabPage(QWidget* parent) : TGalleryPage(QStringLiteral("TNumLab label"), parent)
{
    Load(QStringLiteral("numlab"), {{QStringLiteral("ValueChange"), [this](QObject* s) { ValueChange(s); }}});
    // The hook writes a negative value in brackets, as accounts do.
    Member<TNumLab>(QStringLiteral("nlHook"))->OnBeforeDisplay = [](QObject*, QString& Text) {
        if (Text.startsWith(QLatin1Char('-')))
            Text = QLatin1Char('(') + Text.mid(1) + QLatin1Char(')');
    };
    ValueChange(Member<TNumIO2>(QStringLiteral("nioValue")));
}

void TNumLabPage::ValueChange(QObject* Sender)
{
    const double value = static_cast<TNumIO2*>(Sender)->GetNioValue();
    for (TNumLab* label : findChildren<TNumLab*>())
        label->SetLabValue(value);
}

// ---- TRasterLab ----------------------------------------------------------------

TRasterLabPage::TRasterLabPage(QWidget* parent) : TGalleryPage(QStringLiteral("TRasterLab dot matrix"), parent)
{
    Load(QStringLiteral("rasterlab"), {
                                          {QStringLiteral("LoopRestart"), [this](QObject* s) { LoopRestart(s); }},
                                          {QStringLiteral("AgainClick"), [this](QObject* s) { AgainClick(s); }},
                                      });
    FOnce = Member<TRasterLab>(QStringLiteral("rlOnce"));
    FLoops = Member<TNumLab>(QStringLiteral("nlLoops"));
}

void TRasterLabPage::LoopRestart(QObject*)
{
    FLoops->SetLabValue(FLoops->Value() + 1);
}

// Stopping puts the text back at its place; scrolling again runs it once more.
void TRasterLabPage::AgainClick(QObject*)
{
    const TRDScrollMode mode = FOnce->ScrollMode();
    FOnce->SetScrollMode(rdsmOff);
    FOnce->SetScrollMode(mode);
}

// ---- TRotLab -------------------------------------------------------------------

TRotLabPage::TRotLabPage(QWidget* parent) : TGalleryPage(QStringLiteral("TRotLab rotated label"), parent)
{
    Load(QStringLiteral("rotlab"), {{QStringLiteral("AngleChange"), [this](QObject* s) { AngleChange(s); }}});
}

void TRotLabPage::AngleChange(QObject* Sender)
{
    const int angle = static_cast<int>(std::lround(static_cast<TNumIO2*>(Sender)->GetNioValue()));
    for (const char* name : {"rlLeft", "rlCentre", "rlRight"})
        Member<TRotLab>(QString::fromLatin1(name))->SetTextAngle(angle);
}

// ---- Frames and colour schemes --------------------------------------------------

TFramesPage::TFramesPage(QWidget* parent) : TGalleryPage(QStringLiteral("Frames and colours"), parent)
{
    Load(QStringLiteral("frames"));
}

// ---- System colours ---------------------------------------------------------------

namespace {

// The dark palette Qt programs commonly give the Fusion style.
QPalette DarkPalette()
{
    const QColor window(0x35, 0x35, 0x35), base(0x2A, 0x2A, 0x2A), accent(0x2A, 0x82, 0xDA);
    QPalette pal(window); // Light, Midlight, Dark, Mid and Shadow from the window's grey
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::AlternateBase, window);
    pal.setColor(QPalette::Text, Qt::white);
    pal.setColor(QPalette::Button, window);
    pal.setColor(QPalette::ButtonText, Qt::white);
    pal.setColor(QPalette::BrightText, Qt::red);
    pal.setColor(QPalette::Highlight, accent);
    pal.setColor(QPalette::HighlightedText, Qt::black);
    pal.setColor(QPalette::Link, accent);
    pal.setColor(QPalette::ToolTipBase, QColor(0x19, 0x19, 0x19));
    pal.setColor(QPalette::ToolTipText, Qt::white);
    pal.setColor(QPalette::PlaceholderText, QColor(0xFF, 0xFF, 0xFF, 0x80));
    return pal;
}

} // namespace

TColoursPage::TColoursPage(QWidget* parent) : TGalleryPage(QStringLiteral("System colours"), parent)
{
    Load(QStringLiteral("colours"));
    auto* dark = Member<QGroupBox>(QStringLiteral("grpDark"));
    dark->setPalette(DarkPalette());
    dark->setAutoFillBackground(true);
}
