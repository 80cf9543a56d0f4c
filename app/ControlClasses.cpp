#include "ControlClasses.h"

#include "FormLoader.h"
#include "NumIO.h"
#include "NumLab.h"

void RegisterControlClasses()
{
    if (IsControlClassRegistered(QStringLiteral("TNumIO2")))
        return;
    RegisterControl<TNumIO2>(QStringLiteral("TNumIO2"), {{"OnChange", &TNumIO2::OnChange}});
    RegisterControl<TNumLab>(QStringLiteral("TNumLab"));
}
