// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FormLoader.h"

#include "Application.h"
#include "Exceptions.h"
#include "FormValues.h"
#include "FormWindow.h"
#include "UiTree.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>

#include <algorithm>
#include <optional>
#include <vector>

namespace vorn {

namespace {

// An event named in the description, bound once every control exists.
struct TPendingEvent
{
    QObject* Control;
    QString ControlName;
    QString Event;
    QString Handler;
    TEventBinder Bind;
};

// The object whose properties are being applied, and how messages name it.
struct TTarget
{
    QObject* Object;
    QWidget* Widget; // null for a menu item
    QString Name;    // empty for the window itself
    bool IsForm;
};

// The properties of one object, sorted out before any is applied.
struct TSortedProperties
{
    std::vector<std::pair<int, const TUiNode*>> Published; // meta-object index, <property>
    // The class's own properties in the file's order: the writer's entry, the value.
    std::vector<std::pair<TPropertyWriters::const_iterator, const TUiNode*>> Extra;
    const TUiNode* Geometry = nullptr;
    const TUiNode* Font = nullptr;
    const TUiNode* TabStop = nullptr;
    const TUiNode* Visible = nullptr;
};

// A label is as wide as its text in the font it shows, which may be wider
// than the face the window was designed with.
void WidenLabel(QLabel* label)
{
    label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
}

class TLoader
{
public:
    TLoader(QWidget* form, const THandlers& handlers, QString source)
        : FForm(form), FHandlers(handlers), FWindow(std::move(source))
    {
    }

    TFormObjects Load(const TUiNode& root, const TMemberBinder& bind);

private:
    QWidget* FForm;
    const THandlers& FHandlers;
    QString FWindow;
    TFormObjects FObjects;
    std::vector<TPendingEvent> FEvents;
    std::vector<std::pair<int, QWidget*>> FTabOrder;
    QStringList FTabStops;
    THandler FOnCreate;

    [[noreturn]] void Fail(const QString& control, const QString& property, const QString& what) const
    {
        ThrowReadError(FWindow, control, property, what);
    }
    void Register(const QString& name, QObject* object);

    // The walk: the window, its menu items, menu bar and controls.
    const TUiNode& WindowElement(const TUiNode* ui);
    void LoadActions(const TUiNode& window);
    void LoadWindow(const TUiNode& window);
    QWidget* LoadWindowChildren(const TUiNode& window);
    void LoadChildren(const TUiNode& node, QWidget* parent);
    void LoadControl(const TUiNode& node, QWidget* parent);
    void LoadMenuBar(const TUiNode& node);
    void LoadMenu(const TUiNode& node, QMenu* menu);
    void LoadSubmenus(const TUiNode& node, QWidget* parent);
    void AddActions(const TUiNode& node, QWidget* container);

    // The properties of one object.
    void ApplyProperties(QObject* object, const QString& name, const TUiNode& node, const TEventBinders& events,
                         bool isForm, const TPropertyWriters& extra = {});
    void SortProperty(const TTarget& t, const TUiNode& property, const TEventBinders& events,
                      const TPropertyWriters& extra, TSortedProperties& sorted);
    bool TakeWidgetProperty(const TTarget& t, const QString& prop, const TUiNode& value, TSortedProperties& sorted);
    int PublishedIndex(const TTarget& t, const QString& prop) const;
    void ApplyGeometry(const TTarget& t, const TUiNode& value) const;
    void ApplyFont(const TTarget& t, const TUiNode& value) const;
    void WritePublished(const TTarget& t, std::vector<std::pair<int, const TUiNode*>> published) const;
    void WriteExtra(const TTarget& t, const TSortedProperties& sorted) const;
    void ApplyTabStop(const TTarget& t, const TUiNode& value) const;
    bool NeedBool(const TTarget& t, const TUiNode& value, const char* prop) const;

    // Once every object exists.
    void ReadTabStops(const TUiNode& ui);
    void ApplyTabOrder();
    void BindEvents();
};

TFormObjects TLoader::Load(const TUiNode& root, const TMemberBinder& bind)
{
    const TUiNode* ui = root.Child("ui");
    const TUiNode& window = WindowElement(ui);
    LoadActions(window);
    LoadWindow(window);
    ReadTabStops(*ui);
    ApplyTabOrder();
    BindEvents();
    if (bind)
        bind(FObjects);
    if (FOnCreate)
        GuardedCall(FForm, [&] { FOnCreate(FForm); });
    return FObjects;
}

void TLoader::Register(const QString& name, QObject* object)
{
    if (name.isEmpty())
        Fail(QString(), QString(), QStringLiteral("a %1 without a name").arg(QString::fromLatin1(object->metaObject()->className())));
    if (FObjects.contains(name))
        Fail(name, QString(), QStringLiteral("the name is used twice"));
    object->setObjectName(name);
    FObjects.insert(name, object);
}

// ---- The walk -------------------------------------------------------------

// The window's <widget> element; it must describe the class of `FForm`, and
// its name, when it has one, names the window.
const TUiNode& TLoader::WindowElement(const TUiNode* ui)
{
    const TUiNode* top = ui ? ui->Child("widget") : nullptr;
    if (!top)
        Fail(QString(), QString(), QStringLiteral("the description holds no window"));
    if (!top->Attr("name").isEmpty())
        FWindow = top->Attr("name");
    const QString cls = top->Attr("class");
    if (!FForm->inherits(cls.toLatin1().constData()))
        Fail(QString(), QString(), QStringLiteral("unknown window class \"%1\"").arg(cls));
    FForm->setObjectName(FWindow);
    return *top;
}

// Menu items are described once at window level and placed by name.
void TLoader::LoadActions(const TUiNode& window)
{
    for (const TUiNode& n : window.Children) {
        if (n.Tag != QLatin1String("action"))
            continue;
        auto* action = new QAction(FForm);
        Register(n.Attr("name"), action);
        ApplyProperties(action, n.Attr("name"), n, MenuItemEvents(), false);
    }
}

void TLoader::LoadWindow(const TUiNode& window)
{
    TWindowFrame frame(FForm, FWindow);
    TUiNode rest; // the properties left for the generic path
    for (const TUiNode& p : window.Children)
        if (p.Tag == QLatin1String("property") && !frame.TakeProperty(p))
            rest.Children.push_back(p);
    // The window's own properties first, so that its font reaches the controls.
    ApplyProperties(FForm, QString(), rest, {{QStringLiteral("OnCreate"), [this](QObject*, THandler h) {
                                                  FOnCreate = std::move(h);
                                              }}},
                    true);
    QWidget* client = LoadWindowChildren(window);
    // Size, border and position once the menu bar is in place.
    frame.Apply(client);
}

// Loads the menu bar and the controls; returns the client area: the central
// widget of a main window, else the window itself.
QWidget* TLoader::LoadWindowChildren(const TUiNode& window)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(FForm);
    QWidget* client = FForm;
    for (const TUiNode& n : window.Children) {
        if (n.Tag != QLatin1String("widget"))
            continue;
        const QString cls = n.Attr("class");
        if (cls == QLatin1String("QMenuBar")) {
            LoadMenuBar(n);
        } else if (mainWindow && cls == QLatin1String("QWidget") && !mainWindow->centralWidget()) {
            // Designer's client area of a main window.
            client = new QWidget(mainWindow);
            client->setObjectName(n.Attr("name"));
            mainWindow->setCentralWidget(client);
            LoadChildren(n, client);
        } else {
            LoadControl(n, client);
        }
    }
    return client;
}

void TLoader::LoadChildren(const TUiNode& node, QWidget* parent)
{
    for (const TUiNode& n : node.Children)
        if (n.Tag == QLatin1String("widget"))
            LoadControl(n, parent);
}

void TLoader::LoadControl(const TUiNode& node, QWidget* parent)
{
    const QString name = node.Attr("name");
    const QString cls = node.Attr("class");
    const TControlClass* controlClass = FindControlClass(cls);
    if (!controlClass)
        Fail(name, QString(), QStringLiteral("unknown class \"%1\"").arg(cls));
    QWidget* control = controlClass->Create(parent);
    Register(name, control);
    ApplyProperties(control, name, node, controlClass->Events, false, controlClass->Properties);
    LoadChildren(node, control);
}

void TLoader::LoadMenuBar(const TUiNode& node)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(FForm);
    if (!mainWindow)
        Fail(node.Attr("name"), QString(), QStringLiteral("only a main window has a menu bar"));
    auto* bar = new QMenuBar(mainWindow);
    Register(node.Attr("name"), bar);
    LoadSubmenus(node, bar);
    AddActions(node, bar);
    mainWindow->setMenuBar(bar);
}

void TLoader::LoadMenu(const TUiNode& node, QMenu* menu)
{
    Register(node.Attr("name"), menu);
    ApplyProperties(menu, node.Attr("name"), node, {}, false);
    LoadSubmenus(node, menu);
    AddActions(node, menu);
}

void TLoader::LoadSubmenus(const TUiNode& node, QWidget* parent)
{
    for (const TUiNode& n : node.Children) {
        if (n.Tag != QLatin1String("widget"))
            continue;
        if (n.Attr("class") != QLatin1String("QMenu"))
            Fail(n.Attr("name"), QString(), QStringLiteral("unknown class \"%1\" in a menu").arg(n.Attr("class")));
        LoadMenu(n, new QMenu(parent));
    }
}

void TLoader::AddActions(const TUiNode& node, QWidget* container)
{
    for (const TUiNode& n : node.Children) {
        if (n.Tag != QLatin1String("addaction"))
            continue;
        const QString name = n.Attr("name");
        if (name == QLatin1String("separator")) {
            auto* separator = new QAction(container);
            separator->setSeparator(true);
            container->addAction(separator);
            continue;
        }
        QObject* item = FObjects.value(name);
        if (auto* menu = qobject_cast<QMenu*>(item))
            container->addAction(menu->menuAction());
        else if (auto* action = qobject_cast<QAction*>(item))
            container->addAction(action);
        else
            Fail(container->objectName(), QString(), QStringLiteral("unknown menu item \"%1\"").arg(name));
    }
}

// ---- Properties -----------------------------------------------------------

// Geometry and font come first, then the published properties in the
// object's own order, then the class's extra properties in the file's order,
// then tab stop, visibility and the label's width.
void TLoader::ApplyProperties(QObject* object, const QString& name, const TUiNode& node, const TEventBinders& events,
                              bool isForm, const TPropertyWriters& extra)
{
    const TTarget t{object, qobject_cast<QWidget*>(object), name, isForm};
    TSortedProperties sorted;
    for (const TUiNode& p : node.Children)
        if (p.Tag == QLatin1String("property"))
            SortProperty(t, p, events, extra, sorted);

    if (sorted.Geometry)
        ApplyGeometry(t, *sorted.Geometry);
    if (sorted.Font)
        ApplyFont(t, *sorted.Font);
    WritePublished(t, std::move(sorted.Published));
    WriteExtra(t, sorted);
    if (sorted.TabStop)
        ApplyTabStop(t, *sorted.TabStop);
    if (sorted.Visible && !NeedBool(t, *sorted.Visible, "Visible"))
        t.Widget->setVisible(false);
    if (auto* label = qobject_cast<QLabel*>(t.Widget))
        WidenLabel(label);
}

// Files one <property>: an event to bind later, a property the loader reads
// itself, one of the class's extra properties, or a published property to
// write in order.
void TLoader::SortProperty(const TTarget& t, const TUiNode& property, const TEventBinders& events,
                           const TPropertyWriters& extra, TSortedProperties& sorted)
{
    const QString prop = property.Attr("name");
    if (property.Children.empty())
        Fail(t.Name, prop, QStringLiteral("no value given"));
    const TUiNode& value = property.Children.front();

    if (const auto ev = events.find(prop); ev != events.end()) {
        if (value.Tag != QLatin1String("string") || value.Text.trimmed().isEmpty())
            Fail(t.Name, prop, QStringLiteral("the name of a handler is expected"));
        FEvents.push_back({t.Object, t.Name, prop, value.Text.trimmed(), ev->second});
        return;
    }
    if (t.Widget && TakeWidgetProperty(t, prop, value, sorted))
        return;
    if (const auto writer = extra.find(prop); writer != extra.end()) {
        if (std::any_of(sorted.Extra.begin(), sorted.Extra.end(), [&](const auto& e) { return e.first == writer; }))
            Fail(t.Name, prop, QStringLiteral("the property is given twice"));
        sorted.Extra.emplace_back(writer, &value);
        return;
    }
    const int index = PublishedIndex(t, prop);
    if (std::any_of(sorted.Published.begin(), sorted.Published.end(), [&](const auto& e) { return e.first == index; }))
        Fail(t.Name, prop, QStringLiteral("the property is given twice"));
    sorted.Published.emplace_back(index, &property);
}

// The properties every control understands beyond its published ones; the
// window takes only geometry and font this way.
bool TLoader::TakeWidgetProperty(const TTarget& t, const QString& prop, const TUiNode& value, TSortedProperties& sorted)
{
    if (prop == QLatin1String("geometry")) {
        sorted.Geometry = &value;
        return true;
    }
    if (prop == QLatin1String("font")) {
        sorted.Font = &value;
        return true;
    }
    if (t.IsForm)
        return false;
    if (prop == QLatin1String("TabStop")) {
        sorted.TabStop = &value;
        return true;
    }
    if (prop == QLatin1String("ParentFont")) {
        // Qt's font inheritance already stops at a font given to the control.
        if (value.Tag != QLatin1String("bool"))
            Fail(t.Name, prop, QStringLiteral("true or false is expected"));
        return true;
    }
    if (prop == QLatin1String("Visible")) {
        sorted.Visible = &value;
        return true;
    }
    if (prop == QLatin1String("TabOrder")) {
        const std::optional<int> order = CountFrom(value);
        if (!order)
            Fail(t.Name, prop, QStringLiteral("a tab position (0, 1, ...) is expected"));
        FTabOrder.emplace_back(*order, t.Widget);
        return true;
    }
    return false;
}

// The meta-object index of `prop`; Caption is the window's title, a menu's
// title or a control's text.
int TLoader::PublishedIndex(const TTarget& t, const QString& prop) const
{
    const QMetaObject* meta = t.Object->metaObject();
    QString published = prop;
    if (prop == QLatin1String("Caption")) {
        if (t.IsForm)
            published = QStringLiteral("windowTitle");
        else if (qobject_cast<QMenu*>(t.Object))
            published = QStringLiteral("title");
        else if (meta->indexOfProperty("text") >= 0)
            published = QStringLiteral("text");
    }
    const int index = meta->indexOfProperty(published.toLatin1().constData());
    if (index < 0)
        Fail(t.Name, prop,
             QStringLiteral("the %1 has no such property").arg(t.IsForm ? QStringLiteral("window") : QStringLiteral("control")));
    return index;
}

void TLoader::ApplyGeometry(const TTarget& t, const TUiNode& value) const
{
    const std::optional<QRect> rect = RectFrom(value);
    if (!rect)
        Fail(t.Name, QStringLiteral("geometry"), QStringLiteral("a rectangle is expected"));
    if (t.IsForm) // a window's place comes from its Position
        t.Widget->resize(rect->size());
    else
        t.Widget->setGeometry(*rect);
}

void TLoader::ApplyFont(const TTarget& t, const TUiNode& value) const
{
    const std::optional<QFont> font = FontFrom(value, t.Widget->font());
    if (!font)
        Fail(t.Name, QStringLiteral("font"), QStringLiteral("a font is expected"));
    t.Widget->setFont(*font);
}

// Writes a published property through Qt's property system. A control
// refuses a value by reporting it (ReportRefusedWrite) instead of throwing
// through Qt; the refusal is collected here and its message returned in
// `refused`. False when the value cannot be converted to the property's type
// or the property is read-only.
bool WriteProperty(QObject* object, const QMetaProperty& prop, const QVariant& value, QString& refused)
{
    const TWriteRefusals refusals;
    const bool written = prop.isWritable() && prop.write(object, value);
    if (const std::exception_ptr e = refusals.First()) {
        try {
            std::rethrow_exception(e);
        } catch (const Exception& ex) {
            refused = ex.Message();
        } catch (const std::exception& ex) {
            refused = QString::fromUtf8(ex.what());
        }
    }
    return written;
}

// The published properties in the object's own order, whatever the order of
// the file.
void TLoader::WritePublished(const TTarget& t, std::vector<std::pair<int, const TUiNode*>> published) const
{
    std::sort(published.begin(), published.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const QMetaObject* meta = t.Object->metaObject();
    for (const auto& [index, property] : published) {
        const QMetaProperty prop = meta->property(index);
        const TFormValue value = DecodeValue(prop, property->Children.front());
        if (!value.Error.isEmpty())
            Fail(t.Name, QString::fromLatin1(prop.name()), value.Error);
        QString refused;
        if (!WriteProperty(t.Object, prop, value.Value, refused))
            Fail(t.Name, property->Attr("name"), QStringLiteral("the value cannot be written"));
        if (!refused.isEmpty())
            Fail(t.Name, property->Attr("name"), refused);
    }
}

void TLoader::WriteExtra(const TTarget& t, const TSortedProperties& sorted) const
{
    for (const auto& [entry, value] : sorted.Extra) {
        const QString error = entry->second(t.Object, *value);
        if (!error.isEmpty())
            Fail(t.Name, entry->first, error);
    }
}

void TLoader::ApplyTabStop(const TTarget& t, const TUiNode& value) const
{
    if (NeedBool(t, value, "TabStop"))
        t.Widget->setFocusPolicy(Qt::StrongFocus);
    else if (t.Widget->focusPolicy() != Qt::NoFocus)
        t.Widget->setFocusPolicy(Qt::ClickFocus);
}

bool TLoader::NeedBool(const TTarget& t, const TUiNode& value, const char* prop) const
{
    const std::optional<bool> b = BoolFrom(value);
    if (!b)
        Fail(t.Name, QString::fromLatin1(prop), QStringLiteral("true or false is expected"));
    return *b;
}

// ---- Once every object exists ---------------------------------------------

// Designer's <tabstops> list, when there is one, overrides the TabOrder
// properties.
void TLoader::ReadTabStops(const TUiNode& ui)
{
    if (const TUiNode* stops = ui.Child("tabstops"))
        for (const TUiNode& s : stops->Children)
            FTabStops << s.Text.trimmed();
}

void TLoader::ApplyTabOrder()
{
    std::vector<QWidget*> chain;
    if (!FTabStops.isEmpty()) {
        for (const QString& name : FTabStops) {
            auto* w = qobject_cast<QWidget*>(FObjects.value(name));
            if (!w)
                Fail(name, QStringLiteral("TabOrder"), QStringLiteral("unknown control in the tab order"));
            chain.push_back(w);
        }
    } else {
        std::stable_sort(FTabOrder.begin(), FTabOrder.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& entry : FTabOrder)
            chain.push_back(entry.second);
    }
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    // The window opens with the focus on its first tab stop.
    for (QWidget* w : chain) {
        if (w->focusPolicy() & Qt::TabFocus) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void TLoader::BindEvents()
{
    for (TPendingEvent& e : FEvents) {
        const auto h = FHandlers.find(e.Handler);
        if (h == FHandlers.end() || !h->second)
            Fail(e.ControlName, e.Event, QStringLiteral("unknown handler \"%1\"").arg(e.Handler));
        e.Bind(e.Control, h->second);
    }
}

} // namespace

TFormObjects LoadFormFromXml(QWidget* form, const QByteArray& xml, const THandlers& handlers,
                             const TMemberBinder& bind, const QString& source)
{
    const TUiNode root = ReadUiTree(xml, source);
    TLoader loader(form, handlers, source);
    return loader.Load(root, bind);
}

TFormObjects LoadForm(QWidget* form, const QString& path, const THandlers& handlers, const TMemberBinder& bind)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Window description \"%1\" cannot be opened").arg(path));
    return LoadFormFromXml(form, file.readAll(), handlers, bind, path);
}

} // namespace vorn
