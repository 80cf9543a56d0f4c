// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The controls as Qt's own classes meet them: the value as the USER property
// (item views, QDataWidgetMapper), slots for string-based connections, and
// writes through the property system that never throw through Qt: a value a
// control refuses stays unwritten and is reported instead.
#include "Application.h"
#include "Exceptions.h"
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "TestSupport.h"

#include <QDataWidgetMapper>
#include <QFont>
#include <QLoggingCategory>
#include <QMetaProperty>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace vorn;

namespace {

// Captures qWarning output, and the logging category of each line, while
// alive.
class WarningLog
{
public:
    WarningLog() : FPrevious(qInstallMessageHandler(&WarningLog::Handle))
    {
        Lines().clear();
        Categories().clear();
    }
    ~WarningLog() { qInstallMessageHandler(FPrevious); }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;
    static std::vector<QString>& Lines()
    {
        static std::vector<QString> lines;
        return lines;
    }
    static std::vector<QString>& Categories()
    {
        static std::vector<QString> categories;
        return categories;
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg) {
            Lines().push_back(message);
            Categories().push_back(QString::fromLatin1(context.category ? context.category : ""));
        }
    }
    QtMessageHandler FPrevious;
};

// The message a direct call of the C++ writer throws.
QString ThrownBy(const std::function<void()>& write)
{
    try {
        write();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}

// "vorn::TNumIO2 "nioFreq"" or "vorn::TNumIO2 (no object name)".
QString Identified(const QWidget& control)
{
    const QString cls = QString::fromLatin1(control.metaObject()->className());
    return control.objectName().isEmpty() ? cls + QStringLiteral(" (no object name)")
                                          : QStringLiteral("%1 \"%2\"").arg(cls, control.objectName());
}

} // namespace

TEST(QtConventions, TheValueIsTheUserPropertyWithANotifySignalAndASlotWriter)
{
    const QMetaObject* classes[] = {&TNumIO2::staticMetaObject, &TNumLab::staticMetaObject};
    for (const QMetaObject* mo : classes) {
        const QMetaProperty user = mo->userProperty();
        ASSERT_TRUE(user.isValid()) << mo->className();
        EXPECT_STREQ(user.name(), "Value");
        EXPECT_TRUE(user.isWritable());
        EXPECT_EQ(user.notifySignal().methodSignature(), "valueChanged(double)") << mo->className();
        const int slot = mo->indexOfSlot("setValue(double)");
        ASSERT_GE(slot, 0) << mo->className();
        EXPECT_EQ(mo->method(slot).access(), QMetaMethod::Public);
    }
    // The text-carrying properties have their slots too.
    EXPECT_GE(TNumIO2::staticMetaObject.indexOfSlot("setText(QString)"), 0);
    EXPECT_GE(TRasterLab::staticMetaObject.indexOfSlot("setText(QString)"), 0);
    EXPECT_GE(TRotLab::staticMetaObject.indexOfSlot("setCaption(QString)"), 0);
}

TEST(QtConventions, StringBasedConnectionsReachTheSlots)
{
    TNumIO2 field;
    TNumLab label;
    TRasterLab matrix;
    TRotLab caption;
    ASSERT_TRUE(QObject::connect(&field, SIGNAL(valueChanged(double)), &label, SLOT(setValue(double))));
    ASSERT_TRUE(QObject::connect(&field, SIGNAL(textChanged(QString)), &matrix, SLOT(setText(QString))));
    ASSERT_TRUE(QObject::connect(&field, SIGNAL(textChanged(QString)), &caption, SLOT(setCaption(QString))));
    field.SetNioValue(12.5);
    EXPECT_DOUBLE_EQ(label.Value(), 12.5);
    EXPECT_EQ(matrix.Text(), QStringLiteral("12.50"));
    EXPECT_EQ(caption.Caption(), QStringLiteral("12.50"));
}

TEST(QtConventions, DataWidgetMapperReadsAndWritesTheValue)
{
    QStandardItemModel model(1, 2);
    model.setData(model.index(0, 0), 3.25);
    model.setData(model.index(0, 1), 7.5);
    TNumIO2 field;
    TNumLab label;
    QDataWidgetMapper mapper;
    mapper.setModel(&model);
    mapper.addMapping(&field, 0);
    mapper.addMapping(&label, 1);
    mapper.toFirst();
    EXPECT_DOUBLE_EQ(field.GetNioValue(), 3.25);
    EXPECT_DOUBLE_EQ(label.Value(), 7.5);

    field.SetNioValue(42.0);
    ASSERT_TRUE(mapper.submit());
    EXPECT_DOUBLE_EQ(model.data(model.index(0, 0)).toDouble(), 42.0);
}

// Refused writes through Qt, each beside the C++ writer that throws.
struct Refusal
{
    const char* Name;
    std::function<std::unique_ptr<QWidget>()> Make;
    const char* Property;
    QVariant Value;
    std::function<void(QWidget*)> WriteInCpp;
};

std::vector<Refusal> Refusals()
{
    auto intField = [] {
        auto f = std::make_unique<TNumIO2>();
        f->SetInFormatType(itInt);
        f->SetNioValue(7);
        return std::unique_ptr<QWidget>(std::move(f));
    };
    auto bigValue = [] {
        auto f = std::make_unique<TNumIO2>();
        f->SetNioValue(1e30);
        return std::unique_ptr<QWidget>(std::move(f));
    };
    return {
        {"a value an integer field cannot hold", intField, "Value", 9.3e18,
         [](QWidget* w) { static_cast<TNumIO2*>(w)->SetNioValue(9.3e18); }},
        {"a format the value does not fit", bigValue, "InputFormat", QVariant::fromValue(itInt),
         [](QWidget* w) { static_cast<TNumIO2*>(w)->SetInFormatType(itInt); }},
    };
}

TEST(QtConventions, ARefusedPropertyWriteKeepsTheValueAndGoesToTheErrorReport)
{
    for (const Refusal& r : Refusals()) {
        const QString expected = ThrownBy([&] { r.WriteInCpp(r.Make().get()); });
        ASSERT_FALSE(expected.isEmpty()) << r.Name << ": the C++ writer throws";

        const std::unique_ptr<QWidget> control = r.Make();
        const QVariant before = control->property(r.Property);
        ClearReports();
        EXPECT_NO_THROW(control->setProperty(r.Property, r.Value)) << r.Name;
        EXPECT_EQ(control->property(r.Property), before) << r.Name;
        EXPECT_EQ(Reports(), std::vector<QString>{expected}) << r.Name;
    }
}

TEST(QtConventions, ARefusalWithoutAHandlerIsAWarningAndACollectorTakesItFirst)
{
    const auto handler = Application->OnException;
    Application->OnException = nullptr;
    for (const Refusal& r : Refusals()) {
        const QString expected = ThrownBy([&] { r.WriteInCpp(r.Make().get()); });
        const std::unique_ptr<QWidget> control = r.Make();
        {
            const WarningLog log;
            control->setProperty(r.Property, r.Value);
            ASSERT_EQ(WarningLog::Lines().size(), 1u) << r.Name;
            const QString line = WarningLog::Lines().front();
            EXPECT_TRUE(line.startsWith(QStringLiteral("%1 refused %2 = ").arg(Identified(*control), QString::fromLatin1(r.Property))))
                << r.Name << ": " << line.toStdString();
            EXPECT_TRUE(line.endsWith(QStringLiteral(": ") + expected)) << r.Name << ": " << line.toStdString();
        }
        {
            const WarningLog log;
            const TWriteRefusals refusals;
            control->setProperty(r.Property, r.Value);
            EXPECT_TRUE(WarningLog::Lines().empty()) << r.Name;
            ASSERT_TRUE(refusals.First()) << r.Name;
            EXPECT_EQ(ThrownBy([&] { std::rethrow_exception(refusals.First()); }), expected);
        }
    }
    Application->OnException = handler;
}

// Every write through Qt that a control can refuse, each control's in turn
// (the numeric and the rotated label refuse none): with the value written
// as the warning shows it.
struct ContextRefusal
{
    const char* Name;
    std::function<std::unique_ptr<QWidget>()> Make;
    const char* Property;
    QVariant Value;
    const char* ValueText;
    std::function<void(QWidget*)> WriteInCpp;
    // The write fails for want of a timer (after storing the value, as the
    // C++ writer does); any other refusal leaves the property as it was.
    bool NoTimer = false;
};

template <class T>
std::function<std::unique_ptr<QWidget>()> Named(const char* name, std::function<void(T&)> setUp)
{
    return [=] {
        auto control = std::make_unique<T>();
        control->setObjectName(QString::fromLatin1(name));
        setUp(*control);
        return std::unique_ptr<QWidget>(std::move(control));
    };
}

std::vector<ContextRefusal> ContextRefusals()
{
    const auto scrolling = Named<TRasterLab>("RasterLab1", [](TRasterLab& l) { l.SetScrollMode(rdsmLeft); });
    return {
        {"a format the value does not fit", Named<TNumIO2>("nioFreq", [](TNumIO2& f) { f.SetNioValue(1e300); }),
         "InputFormat", QVariant::fromValue(itInt), "itInt",
         [](QWidget* w) { static_cast<TNumIO2*>(w)->SetInFormatType(itInt); }},
        {"a value an integer field cannot hold, unnamed",
         Named<TNumIO2>("", [](TNumIO2& f) { f.SetInFormatType(itInt); }), "Value", 9.3e18, "9.3e+18",
         [](QWidget* w) { static_cast<TNumIO2*>(w)->SetNioValue(9.3e18); }},
        {"an editable field without a caret timer", Named<TNumIO2>("nioL", [](TNumIO2& f) { f.SetReadonly(true); }),
         "ReadOnly", false, "false", [](QWidget* w) { static_cast<TNumIO2*>(w)->SetReadonly(false); }, true},
        {"a scroll mode without a timer", Named<TRasterLab>("RasterLab1", [](TRasterLab&) {}), "ScrollMode",
         QVariant::fromValue(rdsmUp), "rdsmUp", [](QWidget* w) { static_cast<TRasterLab*>(w)->SetScrollMode(rdsmUp); },
         true},
        {"a scroll interval without a timer", scrolling, "ScrollInterval", 250, "250",
         [](QWidget* w) { static_cast<TRasterLab*>(w)->SetScrollIv(250); }, true},
        {"a scroll step without a timer", scrolling, "ScrollIncrement", 3, "3",
         [](QWidget* w) { static_cast<TRasterLab*>(w)->SetScrollInc(3); }, true},
    };
}

// Leaves the error report, the logging rules and the timers as a test found
// them, however it ends.
class RefusalScene
{
public:
    RefusalScene() : FHandler(Application->OnException) {}
    ~RefusalScene()
    {
        Application->OnException = FHandler;
        QLoggingCategory::setFilterRules(QString());
        TMessageTimer::SetRefuseTimers(false);
    }
    RefusalScene(const RefusalScene&) = delete;
    RefusalScene& operator=(const RefusalScene&) = delete;
    const TApplication::ExceptionHandler& Handler() const { return FHandler; }

    // Writes through Qt's property system, without timers when the case
    // wants it.
    static void Write(const ContextRefusal& r, QWidget& control)
    {
        TMessageTimer::SetRefuseTimers(r.NoTimer);
        control.setProperty(r.Property, r.Value);
        TMessageTimer::SetRefuseTimers(false);
    }

private:
    TApplication::ExceptionHandler FHandler;
};

TEST(QtConventions, ARefusalWarningNamesTheClassObjectPropertyAndValueInTheLibrarysCategory)
{
    const RefusalScene scene;
    for (const ContextRefusal& r : ContextRefusals()) {
        const std::unique_ptr<QWidget> direct = r.Make();
        TMessageTimer::SetRefuseTimers(r.NoTimer);
        const QString message = ThrownBy([&] { r.WriteInCpp(direct.get()); });
        TMessageTimer::SetRefuseTimers(false);
        ASSERT_FALSE(message.isEmpty()) << r.Name << ": the C++ writer throws";

        // With a handler the report is the exception's own message, as before.
        Application->OnException = scene.Handler();
        ClearReports();
        const std::unique_ptr<QWidget> handled = r.Make();
        {
            const WarningLog log;
            RefusalScene::Write(r, *handled);
            EXPECT_TRUE(WarningLog::Lines().empty()) << r.Name;
        }
        EXPECT_EQ(Reports(), std::vector<QString>{message}) << r.Name;

        // Without one it is a warning with the whole context.
        Application->OnException = nullptr;
        const std::unique_ptr<QWidget> unhandled = r.Make();
        const QVariant before = unhandled->property(r.Property);
        {
            const WarningLog log;
            RefusalScene::Write(r, *unhandled);
            const QString expected = QStringLiteral("%1 refused %2 = %3: %4")
                                         .arg(Identified(*unhandled), QString::fromLatin1(r.Property),
                                              QString::fromLatin1(r.ValueText), message);
            EXPECT_EQ(WarningLog::Lines(), std::vector<QString>{expected}) << r.Name;
            EXPECT_EQ(WarningLog::Categories(), std::vector<QString>{QStringLiteral("vorn.properties")}) << r.Name;
        }
        if (!r.NoTimer) {
            EXPECT_EQ(unhandled->property(r.Property), before) << r.Name;
        }
    }
}

TEST(QtConventions, AProgramSilencesRefusalWarningsByTheCategorysName)
{
    const RefusalScene scene;
    Application->OnException = nullptr;
    QLoggingCategory::setFilterRules(QStringLiteral("vorn.properties.warning=false"));
    for (const ContextRefusal& r : ContextRefusals()) {
        const std::unique_ptr<QWidget> control = r.Make();
        const QVariant before = control->property(r.Property);
        {
            const WarningLog log;
            RefusalScene::Write(r, *control);
            EXPECT_TRUE(WarningLog::Lines().empty()) << r.Name;
        }
        if (!r.NoTimer) {
            EXPECT_EQ(control->property(r.Property), before) << r.Name;
        }
    }
}

// A text written is quoted with its escapes, and a long one is cut.
TEST(QtConventions, ARefusalWarningQuotesAndCutsATextValue)
{
    const RefusalScene scene;
    Application->OnException = nullptr;
    TRotLab label;
    label.setObjectName(QStringLiteral("RotLab1"));
    const auto refuse = [&](const QString& text) {
        const WarningLog log;
        ReportRefusedWrite(&label, "Caption", text, std::make_exception_ptr(Exception(QStringLiteral("no"))));
        return WarningLog::Lines();
    };
    EXPECT_EQ(refuse(QStringLiteral("a \"b\"\n")),
              std::vector<QString>{QStringLiteral(R"(vorn::TRotLab "RotLab1" refused Caption = "a \"b\"\n": no)")});
    EXPECT_EQ(refuse(QString(100000, QLatin1Char('x'))),
              std::vector<QString>{QStringLiteral("vorn::TRotLab \"RotLab1\" refused Caption = \"%1\"...: no")
                                       .arg(QString(60, QLatin1Char('x')))});
}

TEST(QtConventions, ARefusingSlotReportsInsteadOfThrowingThroughTheSignal)
{
    TNumIO2 source;
    TNumIO2 field;
    field.SetInFormatType(itInt);
    field.SetNioValue(7);
    QObject::connect(&source, &TNumIO2::valueChanged, &field, &TNumIO2::setValue);
    ClearReports();
    EXPECT_NO_THROW(source.SetNioValue(9.3e18));
    EXPECT_EQ(field.Text(), QStringLiteral("7"));
    EXPECT_EQ(Reports().size(), 1u);
}

// --- set + the property's name ---------------------------------------------------
//
// Qt spells a property's writer set + its name, and uic's code for a form
// calls it. Every writable property a control declares has one, a public
// slot of the control's own or QWidget's (Enabled, Visible) or, for the
// label's Font, QWidget::setFont, which is no slot. Found here from the
// meta-object, so a property added without its writer fails.

namespace {

// Every writable property the control declares (QWidget's own excluded).
std::vector<QMetaProperty> PublishedWritable(const QMetaObject* mo)
{
    std::vector<QMetaProperty> properties;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i)
        if (mo->property(i).isWritable())
            properties.push_back(mo->property(i));
    return properties;
}

// The public slot set + name taking the property's type, or an invalid method.
QMetaMethod QtWriterOf(const QMetaObject* mo, const QMetaProperty& p)
{
    const QByteArray name = QByteArray("set") + p.name();
    for (int i = 0; i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.name() == name && m.parameterCount() == 1 && m.parameterMetaType(0) == p.metaType()
            && m.access() == QMetaMethod::Public && m.methodType() == QMetaMethod::Slot)
            return m;
    }
    return QMetaMethod();
}

// Writes `value` to `property` through set + the property's name.
void CallQtWriter(QWidget& control, const QMetaProperty& p, const QVariant& value)
{
    if (qstrcmp(p.name(), "Font") == 0) {
        control.setFont(value.value<QFont>());
        return;
    }
    const QMetaMethod m = QtWriterOf(control.metaObject(), p);
    ASSERT_TRUE(m.isValid()) << p.name();
    QVariant arg = value;
    ASSERT_TRUE(arg.convert(m.parameterMetaType(0))) << p.name();
    void* argv[] = {nullptr, arg.data()};
    QMetaObject::metacall(&control, QMetaObject::InvokeMetaMethod, m.methodIndex(), argv);
}

// Values other than `current` to try writing to a property of its type.
std::vector<QVariant> OtherValues(const QMetaProperty& p, const QVariant& current)
{
    std::vector<QVariant> values;
    if (p.isEnumType()) {
        for (int k = 0; k < p.enumerator().keyCount(); ++k)
            if (p.enumerator().value(k) != current.toInt())
                values.emplace_back(p.enumerator().value(k));
        return values;
    }
    switch (p.metaType().id()) {
    case QMetaType::Bool: return {!current.toBool()};
    case QMetaType::Int: return {current.toInt() + 7, current.toInt() - 7, current.toInt() + 1, current.toInt() - 1};
    case QMetaType::UInt: return {current.toUInt() ^ 0x00123456u, current.toUInt() ^ 0x000000FFu};
    case QMetaType::Double: return {current.toDouble() + 2.5, current.toDouble() - 2.5, 12.0};
    case QMetaType::QString:
        return {QStringLiteral("12"), QStringLiteral("Vorn"), current.toString() + QStringLiteral("x")};
    case QMetaType::QFont: {
        QFont f = current.value<QFont>();
        f.setPointSize(f.pointSize() + 3);
        return {f};
    }
    default: return {};
    }
}

// Every property the control declares, and where it sits.
std::vector<QVariant> State(const QWidget& control)
{
    std::vector<QVariant> state{control.geometry()};
    const QMetaObject* mo = control.metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i)
        state.push_back(mo->property(i).read(&control));
    return state;
}

template <class T>
std::unique_ptr<QWidget> Make()
{
    return std::make_unique<T>();
}

const std::vector<std::function<std::unique_ptr<QWidget>()>> AllControls = {Make<TNumIO2>, Make<TNumLab>,
                                                                            Make<TRasterLab>, Make<TRotLab>};

} // namespace

TEST(QtConventions, EveryWritablePropertyHasAWriterNamedSetAndItsName)
{
    const std::set<QByteArray> qwidgetsOwn = {"Enabled", "Visible", "Font"};
    for (const auto& make : AllControls) {
        const std::unique_ptr<QWidget> control = make();
        const QMetaObject* mo = control->metaObject();
        const std::vector<QMetaProperty> properties = PublishedWritable(mo);
        ASSERT_GE(properties.size(), 10u) << mo->className();
        for (const QMetaProperty& p : properties) {
            const QMetaMethod m = QtWriterOf(mo, p);
            const bool fromQWidget = m.isValid() && m.methodIndex() < QWidget::staticMetaObject.methodCount();
            if (qwidgetsOwn.count(p.name())) {
                // QWidget's writer of the same meaning; the control adds none
                // that would hide it.
                EXPECT_TRUE(fromQWidget || qstrcmp(p.name(), "Font") == 0) << mo->className() << "::" << p.name();
            } else {
                EXPECT_TRUE(m.isValid() && !fromQWidget) << mo->className() << " has no slot set" << p.name();
            }
        }
    }
}

TEST(QtConventions, SetAndThePropertysNameWritesWhatThePropertysWriterWrites)
{
    for (const auto& make : AllControls) {
        const QMetaObject* mo = make()->metaObject();
        for (const QMetaProperty& p : PublishedWritable(mo)) {
            const std::string where = std::string(mo->className()) + "::" + p.name();
            // A value the property's own writer takes: it changes the property.
            bool tried = false;
            for (const QVariant& value : OtherValues(p, p.read(make().get()))) {
                const std::unique_ptr<QWidget> viaProperty = make();
                const QVariant before = p.read(viaProperty.get());
                viaProperty->setProperty(p.name(), value);
                if (p.read(viaProperty.get()) == before)
                    continue;
                const std::unique_ptr<QWidget> viaWriter = make();
                CallQtWriter(*viaWriter, p, value);
                EXPECT_EQ(State(*viaWriter), State(*viaProperty)) << where << " = " << value.toString().toStdString();
                tried = true;
                break;
            }
            EXPECT_TRUE(tried) << where << ": no value tried changes it";
        }
    }
}

TEST(QtConventions, SetAndThePropertysNameReportsARefusalAsThePropertySystemDoes)
{
    const RefusalScene scene;
    for (const ContextRefusal& r : ContextRefusals()) {
        const std::unique_ptr<QWidget> viaProperty = r.Make();
        ClearReports();
        RefusalScene::Write(r, *viaProperty);
        const std::vector<QString> expected = Reports();
        ASSERT_EQ(expected.size(), 1u) << r.Name;

        const std::unique_ptr<QWidget> viaWriter = r.Make();
        const QMetaProperty p = viaWriter->metaObject()->property(viaWriter->metaObject()->indexOfProperty(r.Property));
        ClearReports();
        TMessageTimer::SetRefuseTimers(r.NoTimer);
        EXPECT_NO_THROW(CallQtWriter(*viaWriter, p, r.Value)) << r.Name;
        TMessageTimer::SetRefuseTimers(false);
        EXPECT_EQ(Reports(), expected) << r.Name;
        EXPECT_EQ(State(*viaWriter), State(*viaProperty)) << r.Name;
    }
}

// uic's code calls the writers from C++: as the slots, they report a refusal.
TEST(QtConventions, SetAndThePropertysNameCalledFromCppReportsInsteadOfThrowing)
{
    TNumIO2 field;
    field.SetNioValue(1e30);
    ClearReports();
    EXPECT_NO_THROW(field.setInputFormat(itInt));
    EXPECT_EQ(field.InputFormat(), itFloat);
    EXPECT_EQ(Reports().size(), 1u);
    field.setRangeHigh(30.0);
    field.setReadOnly(true);
    field.setLeftText(QStringLiteral("f"));
    EXPECT_EQ(field.RangeHigh(), 30.0);
    EXPECT_TRUE(field.ReadOnly());
    EXPECT_EQ(field.LeftText(), QStringLiteral("f"));
}
