// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The controls as Qt's own classes meet them: the value as the USER property
// (item views, QDataWidgetMapper), slots for string-based connections, and
// writes through the property system that never throw through Qt: a value a
// control refuses stays unwritten and is reported instead.
#include "Application.h"
#include "Exceptions.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "TestSupport.h"

#include <QDataWidgetMapper>
#include <QMetaProperty>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vorn;

namespace {

// Captures qWarning output while alive.
class WarningLog
{
public:
    WarningLog() : FPrevious(qInstallMessageHandler(&WarningLog::Handle)) { Lines().clear(); }
    ~WarningLog() { qInstallMessageHandler(FPrevious); }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;
    static std::vector<QString>& Lines()
    {
        static std::vector<QString> lines;
        return lines;
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtWarningMsg)
            Lines().push_back(message);
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
            EXPECT_EQ(WarningLog::Lines(), std::vector<QString>{expected}) << r.Name;
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
