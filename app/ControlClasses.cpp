#include "ControlClasses.h"

#include "FormRegistry.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QFont>

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
}
