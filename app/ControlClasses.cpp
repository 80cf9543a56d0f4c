// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "ControlClasses.h"

#include "FormRegistry.h"
#include "FormValues.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QFont>

using namespace vorn;

void SubstituteMissingFonts()
{
    // QFont keeps each substitute once, so repeating this is harmless.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
}

void RegisterControlClasses()
{
    SubstituteMissingFonts();
    if (IsControlClassRegistered(QStringLiteral("TNumIO2")))
        return;
    RegisterControl<TNumIO2>(QStringLiteral("TNumIO2"), {{"OnChange", &TNumIO2::OnChange}});
    // The stops of the spin buttons and the gauge, ascending: "1 2 5 10".
    RegisterControlProperty(QStringLiteral("TNumIO2"), QStringLiteral("ButtonPivots"),
                            [](QObject* control, const TUiNode& value) {
                                const std::optional<std::vector<double>> stops = NumbersFrom(value);
                                if (!stops)
                                    return QStringLiteral("numbers apart by spaces are expected");
                                static_cast<TNumIO2*>(control)->ButtonPivots = *stops;
                                return QString();
                            });
    RegisterControl<TNumLab>(QStringLiteral("TNumLab"));
    RegisterControl<TRotLab>(QStringLiteral("TRotLab"));

    // The scroll-timer event is set through its writer, which restarts the timer.
    TControlClass raster;
    raster.Create = [](QWidget* parent) -> QWidget* { return new TRasterLab(parent); };
    raster.Events[QStringLiteral("OnScrollTimer")] = [](QObject* control, THandler handler) {
        static_cast<TRasterLab*>(control)->SetOnScrollTimer(std::move(handler));
    };
    raster.Events[QStringLiteral("OnScrollLoopRestart")] = [](QObject* control, THandler handler) {
        static_cast<TRasterLab*>(control)->OnScrollLoopRestart = std::move(handler);
    };
    RegisterControlClass(QStringLiteral("TRasterLab"), std::move(raster));
    // Forms saved by Qt Designer name the classes with their namespace.
    for (const char* name : {"TNumIO2", "TNumLab", "TRotLab", "TRasterLab"})
        RegisterControlClass(QStringLiteral("vorn::") + QLatin1String(name),
                             *FindControlClass(QLatin1String(name)));
}
