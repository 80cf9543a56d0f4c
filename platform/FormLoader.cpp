#include "FormLoader.h"

#include "Application.h"
#include "FormValues.h"
#include "FormWindow.h"
#include "UiTree.h"

#include <QAction>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>

#include <algorithm>
#include <vector>

namespace {

// ---- Loading --------------------------------------------------------------

struct TPendingEvent
{
    QObject* Control;
    QString ControlName;
    QString Event;
    QString Handler;
    TEventBinder Bind;
};

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

    void Register(const QString& name, QObject* object)
    {
        if (name.isEmpty())
            Fail(QString(), QString(), QStringLiteral("a %1 without a name").arg(QString::fromLatin1(object->metaObject()->className())));
        if (FObjects.contains(name))
            Fail(name, QString(), QStringLiteral("the name is used twice"));
        object->setObjectName(name);
        FObjects.insert(name, object);
    }

    void ApplyForm(const TUiNode& node);
    void LoadChildren(const TUiNode& node, QWidget* parent);
    void LoadMenuBar(const TUiNode& node);
    void LoadMenu(const TUiNode& node, QMenu* menu);
    void AddActions(const TUiNode& node, QWidget* container);
    void ApplyProperties(QObject* object, const QString& name, const TUiNode& node,
                         const TEventBinders& events, bool isForm);
    void BindEvents();
    void ApplyTabOrder();
};

TFormObjects TLoader::Load(const TUiNode& root, const TMemberBinder& bind)
{
    const TUiNode* ui = root.Child("ui");
    const TUiNode* top = ui ? ui->Child("widget") : nullptr;
    if (!top)
        Fail(QString(), QString(), QStringLiteral("the description holds no window"));
    if (!top->Attr("name").isEmpty())
        FWindow = top->Attr("name");
    const QString cls = top->Attr("class");
    if (!FForm->inherits(cls.toLatin1().constData()))
        Fail(QString(), QString(), QStringLiteral("unknown window class \"%1\"").arg(cls));
    FForm->setObjectName(FWindow);

    // Menu items are described once at window level and placed by name.
    for (const TUiNode& n : top->Children) {
        if (n.Tag != QLatin1String("action"))
            continue;
        auto* action = new QAction(FForm);
        Register(n.Attr("name"), action);
        ApplyProperties(action, n.Attr("name"), n, MenuItemEvents(), false);
    }

    ApplyForm(*top);
    if (ui) {
        if (const TUiNode* stops = ui->Child("tabstops"))
            for (const TUiNode& s : stops->Children)
                FTabStops << s.Text.trimmed();
    }
    ApplyTabOrder();
    BindEvents();
    if (bind)
        bind(FObjects);
    if (FOnCreate)
        GuardedCall(FForm, [&] { FOnCreate(FForm); });
    return FObjects;
}

void TLoader::ApplyForm(const TUiNode& node)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(FForm);
    TWindowFrame frame(FForm, FWindow);
    TUiNode rest; // the properties left for the generic path
    for (const TUiNode& p : node.Children)
        if (p.Tag == QLatin1String("property") && !frame.TakeProperty(p))
            rest.Children.push_back(p);
    // The window's own properties first, so that its font reaches the controls.
    ApplyProperties(FForm, QString(), rest, {{QStringLiteral("OnCreate"), [this](QObject*, THandler h) {
                                                  FOnCreate = std::move(h);
                                              }}},
                    true);

    QWidget* client = FForm;
    for (const TUiNode& n : node.Children) {
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
            LoadChildren(TUiNode{QString(), {}, QString(), {n}}, client);
        }
    }

    // Size, border and position once the menu bar is in place.
    frame.Apply(client);
}

void TLoader::LoadChildren(const TUiNode& node, QWidget* parent)
{
    for (const TUiNode& n : node.Children) {
        if (n.Tag != QLatin1String("widget"))
            continue;
        const QString name = n.Attr("name");
        const QString cls = n.Attr("class");
        const TControlClass* controlClass = FindControlClass(cls);
        if (!controlClass)
            Fail(name, QString(), QStringLiteral("unknown class \"%1\"").arg(cls));
        QWidget* control = controlClass->Create(parent);
        Register(name, control);
        ApplyProperties(control, name, n, controlClass->Events, false);
        LoadChildren(n, control);
    }
}

void TLoader::LoadMenuBar(const TUiNode& node)
{
    auto* mainWindow = qobject_cast<QMainWindow*>(FForm);
    if (!mainWindow)
        Fail(node.Attr("name"), QString(), QStringLiteral("only a main window has a menu bar"));
    auto* bar = new QMenuBar(mainWindow);
    Register(node.Attr("name"), bar);
    for (const TUiNode& n : node.Children) {
        if (n.Tag != QLatin1String("widget"))
            continue;
        if (n.Attr("class") != QLatin1String("QMenu"))
            Fail(n.Attr("name"), QString(), QStringLiteral("unknown class \"%1\" in a menu").arg(n.Attr("class")));
        LoadMenu(n, new QMenu(bar));
    }
    AddActions(node, bar);
    mainWindow->setMenuBar(bar);
}

void TLoader::LoadMenu(const TUiNode& node, QMenu* menu)
{
    Register(node.Attr("name"), menu);
    ApplyProperties(menu, node.Attr("name"), node, {}, false);
    for (const TUiNode& n : node.Children) {
        if (n.Tag != QLatin1String("widget"))
            continue;
        if (n.Attr("class") != QLatin1String("QMenu"))
            Fail(n.Attr("name"), QString(), QStringLiteral("unknown class \"%1\" in a menu").arg(n.Attr("class")));
        LoadMenu(n, new QMenu(menu));
    }
    AddActions(node, menu);
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

void TLoader::ApplyProperties(QObject* object, const QString& name, const TUiNode& node,
                              const TEventBinders& events, bool isForm)
{
    auto* widget = qobject_cast<QWidget*>(object);
    const QMetaObject* meta = object->metaObject();
    std::vector<std::pair<int, const TUiNode*>> ordered;
    const TUiNode* geometry = nullptr;
    const TUiNode* font = nullptr;
    const TUiNode* tabStop = nullptr;
    const TUiNode* visible = nullptr;

    for (const TUiNode& p : node.Children) {
        if (p.Tag != QLatin1String("property"))
            continue;
        QString prop = p.Attr("name");
        if (p.Children.empty())
            Fail(name, prop, QStringLiteral("no value given"));
        const TUiNode& value = p.Children.front();

        if (const auto ev = events.find(prop); ev != events.end()) {
            if (value.Tag != QLatin1String("string") || value.Text.trimmed().isEmpty())
                Fail(name, prop, QStringLiteral("the name of a handler is expected"));
            FEvents.push_back({object, name, prop, value.Text.trimmed(), ev->second});
            continue;
        }
        if (prop == QLatin1String("geometry") && widget) {
            geometry = &value;
            continue;
        }
        if (prop == QLatin1String("font") && widget) {
            font = &value;
            continue;
        }
        if (prop == QLatin1String("TabStop") && widget && !isForm) {
            tabStop = &value;
            continue;
        }
        if (prop == QLatin1String("ParentFont") && widget && !isForm) {
            // Qt's font inheritance already stops at a font given to the control.
            if (value.Tag != QLatin1String("bool"))
                Fail(name, prop, QStringLiteral("true or false is expected"));
            continue;
        }
        if (prop == QLatin1String("Visible") && widget && !isForm) {
            visible = &value;
            continue;
        }
        if (prop == QLatin1String("TabOrder") && widget && !isForm) {
            bool ok = false;
            const int order = value.Text.trimmed().toInt(&ok);
            if (value.Tag != QLatin1String("number") || !ok || order < 0)
                Fail(name, prop, QStringLiteral("a tab position (0, 1, ...) is expected"));
            FTabOrder.emplace_back(order, widget);
            continue;
        }
        if (prop == QLatin1String("Caption")) {
            if (isForm)
                prop = QStringLiteral("windowTitle");
            else if (qobject_cast<QMenu*>(object))
                prop = QStringLiteral("title");
            else if (meta->indexOfProperty("text") >= 0)
                prop = QStringLiteral("text");
        }
        const int index = meta->indexOfProperty(prop.toLatin1().constData());
        if (index < 0)
            Fail(name, p.Attr("name"), QStringLiteral("the %1 has no such property").arg(isForm ? QStringLiteral("window") : QStringLiteral("control")));
        if (std::any_of(ordered.begin(), ordered.end(), [&](const auto& e) { return e.first == index; }))
            Fail(name, p.Attr("name"), QStringLiteral("the property is given twice"));
        ordered.emplace_back(index, &p);
    }

    if (geometry) {
        if (geometry->Tag != QLatin1String("rect"))
            Fail(name, QStringLiteral("geometry"), QStringLiteral("a rectangle is expected"));
        const int w = geometry->ChildText("width").toInt(), h = geometry->ChildText("height").toInt();
        if (isForm) // a window's place comes from its Position
            widget->resize(w, h);
        else
            widget->setGeometry(geometry->ChildText("x").toInt(), geometry->ChildText("y").toInt(), w, h);
    }
    if (font) {
        const std::optional<QFont> f = FontFrom(*font, widget->font());
        if (!f)
            Fail(name, QStringLiteral("font"), QStringLiteral("a font is expected"));
        widget->setFont(*f);
    }
    // The published properties in the control's own order.
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [index, p] : ordered) {
        const QMetaProperty prop = meta->property(index);
        const TFormValue v = DecodeValue(prop, p->Children.front());
        if (!v.Error.isEmpty())
            Fail(name, QString::fromLatin1(prop.name()), v.Error);
        if (!prop.isWritable() || !prop.write(object, v.Value))
            Fail(name, p->Attr("name"), QStringLiteral("the value cannot be written"));
    }
    auto needBool = [&](const TUiNode* v, const char* prop) {
        const QString t = v->Text.trimmed();
        if (v->Tag != QLatin1String("bool") || (t != QLatin1String("true") && t != QLatin1String("false")))
            Fail(name, QString::fromLatin1(prop), QStringLiteral("true or false is expected"));
        return t == QLatin1String("true");
    };
    if (tabStop) {
        if (needBool(tabStop, "TabStop"))
            widget->setFocusPolicy(Qt::StrongFocus);
        else if (widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
    }
    if (visible && !needBool(visible, "Visible"))
        widget->setVisible(false);
    // A label is as wide as its text in the font it shows, which may be wider
    // than the face the window was designed with.
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->resize(qMax(label->width(), label->sizeHint().width()), label->height());
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
        for (const auto& [order, w] : FTabOrder)
            chain.push_back(w);
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
