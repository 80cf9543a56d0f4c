// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "VornDesigner.h"

#include "BareNames.h"

#include "FormValues.h"
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>

#include <QMetaType>
#include <QWidget>

#include <memory>
#include <optional>

using vorn::ColorFromText;
using vorn::TColor;
using vorn::TSurface;

namespace {

// A string-to-uint conversion for the colour properties that also takes the
// colour names of the window descriptions. Qt's own conversion is tried
// first, so numbers keep their meaning; this one answers only when that
// fails. It is registered while the plugin is loaded.
class TColorNames
{
public:
    TColorNames()
    {
        QMetaType::registerConverterFunction(
            [](const void* from, void* to) {
                const std::optional<TColor> c = ColorFromText(*static_cast<const QString*>(from));
                if (c)
                    *static_cast<uint*>(to) = *c;
                return c.has_value();
            },
            QMetaType::fromType<QString>(), QMetaType::fromType<uint>());
    }
    ~TColorNames()
    {
        QMetaType::unregisterConverterFunction(QMetaType::fromType<QString>(), QMetaType::fromType<uint>());
    }
    TColorNames(const TColorNames&) = delete;
    TColorNames& operator=(const TColorNames&) = delete;
};

template <class T>
TVornControlEntry Entry(const char* className, const char* header, const char* icon, const char* toolTip,
                        const char* whatsThis)
{
    return {QString::fromLatin1(className), QString::fromLatin1(header),
            QStringLiteral(":/vorn/designer/%1").arg(QString::fromLatin1(icon)), QString::fromLatin1(toolTip),
            QString::fromLatin1(whatsThis), [](QWidget* parent) -> TSurface* { return new T(parent); }};
}

} // namespace

TVornControlPlugin::TVornControlPlugin(TVornControlEntry entry, QObject* parent)
    : QObject(parent), FEntry(std::move(entry))
{
}

QString TVornControlPlugin::group() const
{
    // Designer leaves the group "[invisible]" out of its widget box.
    return FEntry.InWidgetBox ? QStringLiteral("Vorn Controls") : QStringLiteral("[invisible]");
}

QString TVornControlPlugin::includeFile() const
{
    return QStringLiteral("<vorn/%1>").arg(FEntry.Header);
}

// Designer's widget box takes only an icon with fixed sizes, so the drawing
// is rendered at the sizes it uses.
QIcon TVornControlPlugin::icon() const
{
    const QIcon drawing(FEntry.IconFile);
    QIcon icon;
    for (int size : {16, 22, 32})
        icon.addPixmap(drawing.pixmap(size, size));
    return icon;
}

QWidget* TVornControlPlugin::createWidget(QWidget* parent)
{
    TSurface* control = FEntry.Create(parent);
    if (FInitialized)
        control->SetDesigning(true);
    return control;
}

void TVornControlPlugin::initialize(QDesignerFormEditorInterface*)
{
    FInitialized = true;
}

QString TVornControlPlugin::domXml() const
{
    const std::unique_ptr<TSurface> sample(FEntry.Create(nullptr));
    // vorn::TNumIO2 is numbered as numIO21, numIO22, ...
    QString name = FEntry.ClassName.mid(FEntry.ClassName.lastIndexOf(QLatin1Char(':')) + 1);
    name = name.mid(1);
    name[0] = name[0].toLower();
    // Each class extends QWidget, as the forms' own <customwidget> entries
    // say; Designer would otherwise take the bare-name classes for
    // subclasses of the namespaced ones and question every such form.
    return QStringLiteral(R"(<ui language="c++">
 <widget class="%1" name="%2">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>%1</class>
   <extends>QWidget</extends>
  </customwidget>
 </customwidgets>
</ui>
)")
        .arg(FEntry.ClassName, name)
        .arg(sample->width())
        .arg(sample->height());
}

TVornDesignerPlugin::TVornDesignerPlugin(QObject* parent) : QObject(parent)
{
    static const TColorNames colorNames;
    const TVornControlEntry entries[] = {
        Entry<vorn::TNumIO2>("vorn::TNumIO2", "NumIO.h", "numio.svg", "Numeric input field",
                       "A field for one number: a caption on each side, the number in a box that validates what "
                       "is typed by its input format, optional spin buttons and an optional gauge."),
        Entry<vorn::TNumLab>("vorn::TNumLab", "NumLab.h", "numlab.svg", "Numeric display label",
                       "A label that shows a number, a date and time or a state text in a framed box between two "
                       "captions."),
        Entry<vorn::TRasterLab>("vorn::TRasterLab", "RasterLab.h", "rasterlab.svg", "Dot-matrix label",
                          "A label that draws its text in the dots of a matrix display, still or scrolling."),
        Entry<vorn::TRotLab>("vorn::TRotLab", "RotLab.h", "rotlab.svg", "Rotated label",
                       "A label whose caption is turned by any angle about a point of the label."),
    };
    for (const TVornControlEntry& entry : entries)
        FWidgets.append(new TVornControlPlugin(entry, this));
    // The same controls by their bare names, for forms that name them so.
    const TVornControlEntry bare[] = {
        Entry<::TNumIO2>("TNumIO2", "NumIO.h", "numio.svg", "", ""),
        Entry<::TNumLab>("TNumLab", "NumLab.h", "numlab.svg", "", ""),
        Entry<::TRasterLab>("TRasterLab", "RasterLab.h", "rasterlab.svg", "", ""),
        Entry<::TRotLab>("TRotLab", "RotLab.h", "rotlab.svg", "", ""),
    };
    for (size_t i = 0; i < std::size(bare); ++i) {
        TVornControlEntry entry = bare[i];
        entry.ToolTip = entries[i].ToolTip;
        entry.WhatsThis = entries[i].WhatsThis;
        entry.InWidgetBox = false;
        FWidgets.append(new TVornControlPlugin(entry, this));
    }
}
