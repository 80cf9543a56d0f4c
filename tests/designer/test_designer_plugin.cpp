// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The Qt Designer plugin as Designer, QUiLoader and QFormBuilder use it: the
// built plugin file loaded at run time, the program's window descriptions
// read through it, a form saved by the form builder read back by the
// program's own loader, and the design-time rules of the controls it makes.
#include "ControlClasses.h"
#include "FormLoader.h"
#include "TestSupport.h"

#include "FormValues.h"
#include "MessageTimer_p.h"
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>

#include <QBuffer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QFormBuilder>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <QtUiTools/QUiLoader>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMainWindow>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QTest>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <memory>

using namespace vorn;

namespace {

// The plugin as built, or the file VORN_DESIGNER_PLUGIN names (an installed
// copy, which install_plugin.sh checks this way).
const QString PluginFile = qEnvironmentVariable("VORN_DESIGNER_PLUGIN", QStringLiteral(VORN_DESIGNER_PLUGIN_FILE));

QString FormFile(const char* name)
{
    return QStringLiteral(KORVEL_FORMS_DIR "/%1").arg(QString::fromLatin1(name));
}

// The plugin's entries by class name, from the plugin file as built.
std::map<QString, QDesignerCustomWidgetInterface*> PluginEntries()
{
    static QPluginLoader loader(PluginFile);
    std::map<QString, QDesignerCustomWidgetInterface*> entries;
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    EXPECT_TRUE(collection) << loader.errorString().toStdString();
    if (collection)
        for (QDesignerCustomWidgetInterface* w : collection->customWidgets())
            entries[w->name()] = w;
    return entries;
}

// "name=value" lines for every property a control has from TSurface on:
// Visible and the control's published properties; with `all` false, without
// enumerations and fonts.
std::string PublishedValues(const QObject& control, bool all = true)
{
    QStringList values;
    const QMetaObject* mo = control.metaObject();
    for (int i = TSurface::staticMetaObject.propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (all || (!p.isEnumType() && p.metaType() != QMetaType::fromType<QFont>()))
            values << QStringLiteral("%1=%2").arg(QString::fromLatin1(p.name()), p.read(&control).toString());
    }
    return values.join(QLatin1Char('\n')).toStdString();
}

// The class and the size of the widget a domXml describes.
std::pair<QString, QSize> DomClassAndSize(const QString& xml)
{
    QXmlStreamReader r(xml);
    QString cls;
    QSize size;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (r.name() == QLatin1String("widget") && cls.isEmpty())
            cls = r.attributes().value(QLatin1String("class")).toString();
        else if (r.name() == QLatin1String("width"))
            size.setWidth(r.readElementText().toInt());
        else if (r.name() == QLatin1String("height"))
            size.setHeight(r.readElementText().toInt());
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return {cls, size};
}

// A form read by QUiLoader with the plugin, as a program would read it.
std::unique_ptr<QWidget> LoadWithUiLoader(QIODevice& device)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(PluginFile).absolutePath());
    std::unique_ptr<QWidget> form(loader.load(&device));
    EXPECT_TRUE(form) << loader.errorString().toStdString();
    return form;
}

std::unique_ptr<QWidget> LoadWithUiLoader(const QString& file)
{
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    return LoadWithUiLoader(f);
}

// Values the window descriptions give their controls.
struct Described
{
    const char* Control;
    const char* Class;
    QRect Geometry;
    std::vector<std::pair<const char*, QVariant>> Values;
};

void ExpectDescribed(QWidget& form, const std::vector<Described>& controls)
{
    for (const Described& d : controls) {
        auto* control = form.findChild<TSurface*>(QString::fromLatin1(d.Control));
        ASSERT_TRUE(control) << d.Control;
        EXPECT_STREQ(control->metaObject()->className(), d.Class);
        EXPECT_FALSE(control->Designing()) << d.Control;
        EXPECT_EQ(control->geometry(), d.Geometry) << d.Control;
        for (const auto& [name, value] : d.Values)
            EXPECT_EQ(control->property(name), value) << d.Control << "." << name;
    }
}

// Saves a form as Designer does: the form's own widgets, not the inner
// widgets and layout Qt gives a main window and its menu bar, and of each
// object the designable properties that differ from those of a new object
// of the same class.
class DesignerLikeBuilder : public QFormBuilder
{
public:
    explicit DesignerLikeBuilder(const QString& pluginDir) { addPluginPath(pluginDir); }

protected:
    using QFormBuilder::createDom;
    DomWidget* createDom(QWidget* widget, DomWidget* parent, bool recursive) override
    {
        if (widget->objectName().startsWith(QLatin1String("qt_")))
            return nullptr;
        return QFormBuilder::createDom(widget, parent, recursive);
    }
    DomLayout* createDom(QLayout* layout, DomLayout* domLayout, DomWidget* parent) override
    {
        if (qobject_cast<QMainWindow*>(layout->parentWidget()))
            return nullptr;
        return QFormBuilder::createDom(layout, domLayout, parent);
    }
    bool checkProperty(QObject* obj, const QString& prop) const override
    {
        const QByteArray name = prop.toLatin1();
        const int index = obj->metaObject()->indexOfProperty(name);
        if (index < 0 || !obj->metaObject()->property(index).isDesignable())
            return false;
        const QByteArray cls = obj->metaObject()->className();
        std::unique_ptr<QObject>& fresh = FFresh[cls];
        if (!fresh) {
            auto* self = const_cast<DesignerLikeBuilder*>(this);
            if (obj->isWidgetType())
                fresh.reset(self->createWidget(QString::fromLatin1(cls), nullptr, QString()));
            else
                fresh.reset(self->createAction(nullptr, QString()));
        }
        // An inherited font or palette is not the object's own.
        if (auto* w = qobject_cast<QWidget*>(obj)) {
            if ((name.toLower() == "font" && !w->testAttribute(Qt::WA_SetFont)) ||
                (name == "palette" && !w->testAttribute(Qt::WA_SetPalette)) ||
                (name == "locale" && !w->testAttribute(Qt::WA_SetLocale)))
                return false;
        }
        return fresh && fresh->property(name) != obj->property(name);
    }

private:
    mutable std::map<QByteArray, std::unique_ptr<QObject>> FFresh;
};

} // namespace

TEST(DesignerPlugin, OffersTheFourControlsMadeWithTheirDefaults)
{
    const struct {
        const char* Class;
        const char* Include;
        std::function<std::unique_ptr<QWidget>()> Direct;
    } cases[] = {
        {"vorn::TNumIO2", "<vorn/NumIO.h>", [] { return std::make_unique<TNumIO2>(); }},
        {"vorn::TNumLab", "<vorn/NumLab.h>", [] { return std::make_unique<TNumLab>(); }},
        {"vorn::TRasterLab", "<vorn/RasterLab.h>", [] { return std::make_unique<TRasterLab>(); }},
        {"vorn::TRotLab", "<vorn/RotLab.h>", [] { return std::make_unique<TRotLab>(); }},
    };
    const auto entries = PluginEntries();
    // Each control twice: by its namespaced name in the widget box, and by
    // its bare name for forms that use it.
    ASSERT_EQ(entries.size(), 2 * std::size(cases));
    for (const auto& c : cases) {
        const auto it = entries.find(QString::fromLatin1(c.Class));
        ASSERT_NE(it, entries.end()) << c.Class;
        QDesignerCustomWidgetInterface* entry = it->second;
        EXPECT_EQ(entry->group(), "Vorn Controls");
        EXPECT_EQ(entry->includeFile(), c.Include);
        EXPECT_FALSE(entry->toolTip().isEmpty()) << c.Class;
        EXPECT_FALSE(entry->whatsThis().isEmpty()) << c.Class;
        // The widget box shows only an icon with fixed sizes.
        EXPECT_FALSE(entry->icon().availableSizes().isEmpty()) << c.Class;
        EXPECT_FALSE(entry->icon().pixmap(16, 16).isNull()) << c.Class;
        EXPECT_FALSE(entry->isContainer());

        const std::unique_ptr<QWidget> made(entry->createWidget(nullptr));
        ASSERT_STREQ(made->metaObject()->className(), c.Class);
        const std::unique_ptr<QWidget> direct = c.Direct();
        EXPECT_EQ(PublishedValues(*made), PublishedValues(*direct)) << c.Class;
        EXPECT_EQ(made->size(), direct->size()) << c.Class;
        EXPECT_EQ(DomClassAndSize(entry->domXml()), std::make_pair(QString::fromLatin1(c.Class), direct->size()));

        const QString bare = QString::fromLatin1(c.Class).remove(QLatin1String("vorn::"));
        const auto alias = entries.find(bare);
        ASSERT_NE(alias, entries.end()) << c.Class;
        EXPECT_EQ(alias->second->includeFile(), c.Include);
        // Not in the widget box: Designer leaves out the group "[invisible]".
        EXPECT_EQ(alias->second->group(), "[invisible]") << c.Class;
        EXPECT_EQ(DomClassAndSize(alias->second->domXml()), std::make_pair(bare, direct->size()));
        EXPECT_TRUE(alias->second->domXml().contains(QLatin1String("<extends>QWidget</extends>")));
        // Designer wants the class it asked for: the control, named as the form names it.
        const std::unique_ptr<QWidget> madeByAlias(alias->second->createWidget(nullptr));
        EXPECT_EQ(QString::fromLatin1(madeByAlias->metaObject()->className()), bare);
        EXPECT_TRUE(madeByAlias->inherits(c.Class)) << c.Class;
        EXPECT_EQ(PublishedValues(*madeByAlias), PublishedValues(*direct)) << c.Class;
    }
}

TEST(DesignerPlugin, UiLoaderReadsTheWindowsWithTheRealControls)
{
    const std::unique_ptr<QWidget> main = LoadWithUiLoader(FormFile("u_frmMain.ui"));
    ASSERT_TRUE(main);
    ExpectDescribed(*main, {
        {"nioFreq", "TNumIO2", {8, 27, 177, 25},
         {{"LeftText", "Frequency"}, {"RightText", "MHz"}, {"LeftSpace", 65}, {"FixPointDecPlaces", 3},
          {"ButHeight", 25}, {"RangeLow", 0.1}, {"RangeHigh", 1500.0}, {"Text", "7.100"}}},
        {"nioL", "TNumIO2", {8, 58, 177, 25},
         {{"LeftText", "Required L"}, {"RightText", "uH"}, {"LeftSpace", 65}, {"FixPointDecPlaces", 3},
          {"RangeLow", 0.1}, {"RangeHigh", 1500.0}, {"Text", "3.700"}}},
        {"nioXL", "TNumIO2", {191, 58, 137, 25},
         {{"LeftText", "XL"}, {"RightText", "ohm"}, {"LeftSpace", 25}, {"FixPointDecPlaces", 1},
          {"RangeLow", 100.0}, {"Text", "377.0"}}},
        {"nlC", "TNumLab", {8, 89, 177, 25},
         {{"LeftText", "Required C"}, {"RightText", "pF"}, {"LeftSpace", 65}, {"Precision", 3}}},
    });

    const std::unique_ptr<QWidget> info = LoadWithUiLoader(FormFile("u_frmInfo.ui"));
    ASSERT_TRUE(info);
    ExpectDescribed(*info, {
        {"RotLab1", "TRotLab", {8, 16, 346, 146},
         {{"Caption", "Program made by"}, {"Alignment", QVariant::fromValue(taCenter)},
          {"FrameStyle", QVariant::fromValue(fsNone)}, {"PosX", 173}, {"PosY", 73}, {"TextAngle", 30}}},
        {"RasterLab1", "TRasterLab", {8, 168, 345, 46},
         {{"ColorLabBakG", uint(clBlack)}, {"ColorDotOn", uint(clLime)}, {"ColorDotOff", 0x404040u},
          {"AutoHeight", false}, {"Proportional", true}, {"Text", "Tuning team"}}},
    });
}

// Colours are written by name or number, as the program's loader reads them.
TEST(DesignerPlugin, UiLoaderReadsColoursByNameAndNumber)
{
    const char* values[] = {"<string>clRed</string>", "<string>clBtnFace</string>", "<string>clWindow</string>",
                            "<string>clInfoBk</string>", "<string>0x00C0FF</string>", "<number>4210752</number>"};
    for (const char* value : values) {
        QByteArray xml = QByteArrayLiteral(R"(<ui version="4.0"><widget class="QWidget" name="form">
 <widget class="TNumLab" name="lab"><property name="ColorLabBakG">%1</property></widget></widget></ui>)");
        xml.replace("%1", value);
        QBuffer buffer(&xml);
        buffer.open(QIODevice::ReadOnly);
        const std::unique_ptr<QWidget> form = LoadWithUiLoader(buffer);
        ASSERT_TRUE(form);
        auto* lab = form->findChild<TNumLab*>(QStringLiteral("lab"));
        ASSERT_TRUE(lab);
        QXmlStreamReader r(value);
        r.readNextStartElement();
        EXPECT_EQ(std::optional<TColor>(lab->ColorLabBakG()), ColorFromText(r.readElementText())) << value;
    }
}

// A form read through the plugin and saved by the form builder, as Designer
// saves (changed properties only, colours as <UInt>), reads back in the
// program's loader with the same control values. Left out of the
// comparison: enumerations, which Qt 6's form builder does not write (it
// expects them as ints), and fonts, whose point sizes the program reads as
// pixels at 96 dpi.
TEST(DesignerPlugin, SavedFormLoadsInTheProgramsLoader)
{
    RegisterControlClasses();
    for (const char* file : {"u_frmMain.ui", "u_frmInfo.ui"}) {
        const std::unique_ptr<QWidget> designed = LoadWithUiLoader(FormFile(file));
        ASSERT_TRUE(designed);
        // Edited as in Designer: each control's first colour gets a new value.
        for (TSurface* control : designed->findChildren<TSurface*>()) {
            const QMetaObject* mo = control->metaObject();
            for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
                if (mo->property(i).metaType() == QMetaType::fromType<TColor>()) {
                    ASSERT_TRUE(mo->property(i).write(control, QVariant::fromValue<TColor>(0x123456)));
                    break;
                }
        }
        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        DesignerLikeBuilder(QFileInfo(PluginFile).absolutePath()).save(&saved, designed.get());
        ASSERT_FALSE(saved.data().isEmpty()) << file;

        std::unique_ptr<QWidget> form;
        if (qobject_cast<QMainWindow*>(designed.get()))
            form = std::make_unique<QMainWindow>();
        else
            form = std::make_unique<QDialog>();
        TFormObjects objects;
        try {
            objects = LoadFormFromXml(form.get(), saved.data(), {});
        } catch (const Exception& e) {
            FAIL() << file << ": " << e.Message().toStdString() << "\n" << saved.data().toStdString();
        }
        const QList<TSurface*> controls = designed->findChildren<TSurface*>();
        ASSERT_FALSE(controls.isEmpty());
        for (TSurface* control : controls) {
            auto* loaded = qobject_cast<TSurface*>(objects.value(control->objectName()));
            ASSERT_TRUE(loaded) << file << ": " << control->objectName().toStdString();
            EXPECT_EQ(PublishedValues(*loaded, false), PublishedValues(*control, false))
                << control->objectName().toStdString();
            EXPECT_EQ(loaded->geometry(), control->geometry());
        }
    }
}

// Designer's property editor shows a control's designable properties beside
// QWidget's. A published property that only reads and writes what a QWidget
// property Designer already shows is hidden there (Name is objectName, Left,
// Top, Width and Height are geometry, ...); every other one is shown. Visible
// stays: QWidget's visible is not in the editor, and Visible false has its
// design-time meaning. So does TabStop: focusPolicy has more states than it.
TEST(DesignerPlugin, HidesOnlyThePublishedPropertiesThatRepeatAShownQWidgetProperty)
{
    const std::map<QByteArray, const char*> qwidgetTwin = {
        {"Name", "objectName"}, {"Left", "geometry"},   {"Top", "geometry"}, {"Width", "geometry"},
        {"Height", "geometry"}, {"Enabled", "enabled"}, {"Font", "font"},
    };
    const struct {
        const QMetaObject* Meta;
        std::set<QByteArray> Hidden;
    } cases[] = {
        {&TNumIO2::staticMetaObject, {"Name", "Left", "Top", "Width", "Height", "Enabled"}},
        {&TNumLab::staticMetaObject, {"Enabled", "Font"}},
        {&TRasterLab::staticMetaObject, {}},
        {&TRotLab::staticMetaObject, {}},
    };
    const QMetaObject& widget = QWidget::staticMetaObject;
    for (const auto& c : cases) {
        for (int i = TSurface::staticMetaObject.propertyOffset(); i < c.Meta->propertyCount(); ++i) {
            const QMetaProperty p = c.Meta->property(i);
            const bool hidden = c.Hidden.count(p.name()) > 0;
            EXPECT_EQ(p.isDesignable(), !hidden) << c.Meta->className() << "::" << p.name();
            const auto twin = qwidgetTwin.find(p.name());
            if (hidden) {
                ASSERT_NE(twin, qwidgetTwin.end()) << p.name();
                const int index = widget.indexOfProperty(twin->second);
                ASSERT_GE(index, 0) << twin->second;
                EXPECT_TRUE(widget.property(index).isDesignable()) << twin->second;
            }
        }
        for (const QByteArray& name : c.Hidden)
            EXPECT_GE(c.Meta->indexOfProperty(name.constData()), 0) << c.Meta->className() << "::" << name.constData();
    }
    const int visible = widget.indexOfProperty("visible");
    ASSERT_GE(visible, 0);
    EXPECT_FALSE(widget.property(visible).isDesignable());
}

// A form that gives the hidden properties (a hand-written one, or one saved
// before they were hidden) still sets them: the program's loader in the
// control's published order, QUiLoader as written.
TEST(DesignerPlugin, AFormWithTheHiddenPropertiesStillSetsThem)
{
    RegisterControlClasses();
    // In the file's order Height comes before ButHeight; in the published
    // order ButHeight is set first and Height then pulls it down to 20.
    const QByteArray xml = QByteArrayLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>TdlgTest</class>
 <widget class="QDialog" name="dlgTest">
  <widget class="TNumIO2" name="nio1">
   <property name="Height" stdset="0"><number>20</number></property>
   <property name="Enabled" stdset="0"><bool>false</bool></property>
   <property name="Top" stdset="0"><number>6</number></property>
   <property name="Left" stdset="0"><number>5</number></property>
   <property name="Width" stdset="0"><number>190</number></property>
   <property name="ButHeight" stdset="0"><number>30</number></property>
   <property name="ButVisible" stdset="0"><bool>true</bool></property>
  </widget>
  <widget class="TNumLab" name="nl1">
   <property name="Enabled" stdset="0"><bool>false</bool></property>
  </widget>
 </widget>
</ui>)");
    QDialog form;
    const TFormObjects objects = LoadFormFromXml(&form, xml, {});
    auto* field = qobject_cast<TNumIO2*>(objects.value(QStringLiteral("nio1")));
    auto* label = qobject_cast<TNumLab*>(objects.value(QStringLiteral("nl1")));
    ASSERT_TRUE(field && label);
    EXPECT_EQ(field->geometry(), QRect(5, 6, 190, 20));
    EXPECT_EQ(field->ButHeight(), 20);
    EXPECT_FALSE(field->Enabled());
    EXPECT_FALSE(field->isEnabled());
    EXPECT_FALSE(label->Enabled());

    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    const std::unique_ptr<QWidget> viaUiLoader = LoadWithUiLoader(buffer);
    ASSERT_TRUE(viaUiLoader);
    auto* uiField = viaUiLoader->findChild<TNumIO2*>(QStringLiteral("nio1"));
    auto* uiLabel = viaUiLoader->findChild<TNumLab*>(QStringLiteral("nl1"));
    ASSERT_TRUE(uiField && uiLabel);
    EXPECT_EQ(uiField->geometry(), QRect(5, 6, 190, 20));
    EXPECT_FALSE(uiField->Enabled());
    EXPECT_FALSE(uiLabel->Enabled());
}

// What a designer sets through QWidget's own properties (enabled, font,
// geometry), saved as Designer saves, reaches the published
// properties when the program loads the form.
TEST(DesignerPlugin, QWidgetPropertiesSavedByDesignerSetThePublishedOnes)
{
    RegisterControlClasses();
    QDialog designed;
    designed.setObjectName(QStringLiteral("dlgTest"));
    auto* field = new TNumIO2(&designed);
    field->setObjectName(QStringLiteral("nio1"));
    field->setEnabled(false);
    field->setGeometry(7, 8, 150, 30);
    auto* label = new TNumLab(&designed);
    label->setObjectName(QStringLiteral("nl1"));
    label->setEnabled(false);
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    DesignerLikeBuilder(QFileInfo(PluginFile).absolutePath()).save(&saved, &designed);
    for (const char* hidden : {"\"Enabled\"", "\"Font\"", "\"Width\"", "\"Name\""})
        EXPECT_FALSE(saved.data().contains(hidden)) << hidden << " saved:\n" << saved.data().toStdString();

    QDialog form;
    const TFormObjects objects = LoadFormFromXml(&form, saved.data(), {});
    auto* loadedField = qobject_cast<TNumIO2*>(objects.value(QStringLiteral("nio1")));
    auto* loadedLabel = qobject_cast<TNumLab*>(objects.value(QStringLiteral("nl1")));
    ASSERT_TRUE(loadedField && loadedLabel) << saved.data().toStdString();
    EXPECT_EQ(PublishedValues(*loadedField), PublishedValues(*field));
    EXPECT_EQ(PublishedValues(*loadedLabel, false), PublishedValues(*label, false));
    EXPECT_FALSE(loadedField->Enabled());
    EXPECT_FALSE(loadedLabel->Enabled());
    EXPECT_EQ(loadedLabel->font().family(), QStringLiteral("DejaVu Sans"));
}

// The design-time rules. Initializing the plugin's entries, as Designer does,
// marks every control they create from then on as designing, for the rest
// of the process; these tests come last (and ctest runs them on their own).
TEST(DesignTime, HiddenControlsStayOnTheFormAndPaintExceptTheRotatedLabel)
{
    QDesignerFormEditorInterface core;
    QWidget form;
    form.resize(900, 700);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto entries = PluginEntries();
    const struct {
        const char* Class;
        bool PaintsHidden;
    } cases[] = {{"vorn::TNumIO2", true}, {"vorn::TNumLab", true}, {"vorn::TRasterLab", true}, {"vorn::TRotLab", false}};
    for (const auto& c : cases) {
        QDesignerCustomWidgetInterface* entry = entries.at(QString::fromLatin1(c.Class));
        entry->initialize(&core);
        ASSERT_TRUE(entry->isInitialized());
        auto* shown = static_cast<TSurface*>(entry->createWidget(&form));
        auto* hidden = static_cast<TSurface*>(entry->createWidget(&form));
        shown->show();
        hidden->show();
        ASSERT_TRUE(hidden->Designing()) << c.Class;
        ASSERT_TRUE(hidden->setProperty("Visible", false));

        EXPECT_FALSE(hidden->property("Visible").toBool()) << c.Class;
        EXPECT_TRUE(hidden->isVisible()) << c.Class << " left the form";
        const QImage picture = hidden->Picture();
        if (c.PaintsHidden) {
            EXPECT_EQ(picture, shown->Picture()) << c.Class;
        } else {
            const QImage opaque = shown->Picture().convertToFormat(QImage::Format_ARGB32);
            const QImage clear = picture.convertToFormat(QImage::Format_ARGB32);
            const auto opaquePixels = [](const QImage& img) {
                int n = 0;
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x)
                        n += qAlpha(img.pixel(x, y)) != 0;
                return n;
            };
            EXPECT_GT(opaquePixels(opaque), 0);
            EXPECT_EQ(opaquePixels(clear), 0) << c.Class << " drew while hidden";
            EXPECT_EQ(clear.size(), hidden->size());
        }
        ASSERT_TRUE(hidden->setProperty("Visible", true));
        EXPECT_EQ(hidden->Picture(), shown->Picture()) << c.Class;
    }
}

TEST(DesignTime, TheScrollTimerNeverRuns)
{
    QDesignerFormEditorInterface core;
    QDesignerCustomWidgetInterface* entry = PluginEntries().at(QStringLiteral("TRasterLab"));
    entry->initialize(&core);
    const std::unique_ptr<TRasterLab> designed(static_cast<TRasterLab*>(entry->createWidget(nullptr)));
    TRasterLab running;
    for (TRDScrollMode mode : {rdsmLeft, rdsmRight, rdsmUp, rdsmDown}) {
        designed->setProperty("ScrollMode", QVariant::fromValue(mode));
        running.setProperty("ScrollMode", QVariant::fromValue(mode));
        EXPECT_FALSE(designed->ScrTimerHandle()->IsRunning(1)) << int(mode);
        EXPECT_TRUE(running.ScrTimerHandle()->IsRunning(1)) << int(mode);
    }
    // A scrolling label moved into a designer stops; moved out, it scrolls on.
    running.SetDesigning(true);
    EXPECT_FALSE(running.ScrTimerHandle()->IsRunning(1));
    running.SetDesigning(false);
    EXPECT_TRUE(running.ScrTimerHandle()->IsRunning(1));
    running.SetScrollMode(rdsmOff);
}
