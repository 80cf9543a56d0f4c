// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Building windows from their descriptions.
#include "ControlClasses.h"
#include "FormLoader.h"
#include "NumIO.h"
#include "TestSupport.h"
#include "vornbase.h"

#include <QDialog>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace vorn;

// A control with a colour and an enumeration, as the library's controls have.
class TProbe : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TColor Colour MEMBER FColour)
    Q_PROPERTY(vorn::vornbase::TFrameStyle FrameStyle MEMBER FFrameStyle)

public:
    using QWidget::QWidget;
    TColor FColour = clBlack;
    vornbase::TFrameStyle FFrameStyle = fsNone;
};

namespace {

// A dialog description holding `controls`.
QByteArray Describe(const QString& controls, const QString& window = QString())
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>TdlgTest</class>
 <widget class="QDialog" name="dlgTest">%1%2</widget>
</ui>)")
        .arg(window, controls)
        .toUtf8();
}

QString Field(const QString& properties, const QString& cls = "TNumIO2")
{
    return QStringLiteral(R"(<widget class="%1" name="nio1">%2</widget>)").arg(cls, properties);
}

class FormLoader : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterControlClasses();
        RegisterControl<TProbe>("TProbe");
    }
    QDialog form;
    THandlers handlers{{"nioChange", [](QObject*) {}}};
};

TEST_F(FormLoader, AppliesPropertiesInTheControlsOrderNotTheFiles)
{
    const TFormObjects objects = LoadFormFromXml(&form, Describe(Field(R"(
        <property name="Value"><double>2.5</double></property>
        <property name="TabStop" stdset="0"><bool>true</bool></property>
        <property name="Text"><string>9.99</string></property>
        <property name="FixPointDecPlaces"><number>1</number></property>
        <property name="geometry"><rect><x>3</x><y>4</y><width>150</width><height>25</height></rect></property>
        <property name="OnChange" stdset="0"><string>nioChange</string></property>)")),
                                                 handlers);
    auto* field = FormMember<TNumIO2>(objects, "dlgTest", "nio1");
    // FixPointDecPlaces, then Text, then Value: the value rewrites the text with one decimal.
    EXPECT_EQ(field->Text(), "2.5");
    EXPECT_EQ(field->geometry(), QRect(3, 4, 150, 25));
    EXPECT_EQ(field->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(bool(field->OnChange));
}

TEST_F(FormLoader, ReadsWindowPropertiesAndColourNames)
{
    LoadFormFromXml(&form, Describe(QString(), R"(
        <property name="Color" stdset="0"><string>clLime</string></property>
        <property name="ClientWidth" stdset="0"><number>120</number></property>
        <property name="ClientHeight" stdset="0"><number>80</number></property>
        <property name="BorderStyle" stdset="0"><string>bsSingle</string></property>
        <property name="font"><font><family>Tahoma</family><pointsize>8</pointsize></font></property>)"),
                    handlers);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(form.size(), QSize(120, 80));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.font().pixelSize(), 11);
}

TEST_F(FormLoader, ReadsColoursByNameOrNumberAndEnumerationsWithOrWithoutScope)
{
    const struct
    {
        QString colour, frame;
        TColor expectedColour;
        vornbase::TFrameStyle expectedFrame;
    } cases[] = {
        {"<string>clLime</string>", "<enum>fsLowered</enum>", clLime, fsLowered},
        {"<number>4210752</number>", "<enum>vornbase::fsEngraved</enum>", 0x404040, fsEngraved},
        {"<string>clBtnFace</string>", "<enum>fsNone</enum>", clBtnFace, fsNone},
        {"<string>clWindow</string>", "<enum>fsSimple</enum>", clWindow, fsSimple},
        {"<string>clGrayText</string>", "<enum>fsRaised</enum>", clGrayText, fsRaised},
        {"<string>clMenuBar</string>", "<enum>fsEmbossed</enum>", clMenuBar, fsEmbossed},
    };
    for (const auto& c : cases) {
        QDialog fresh;
        const TFormObjects objects = LoadFormFromXml(
            &fresh,
            Describe(QStringLiteral(R"(<widget class="TProbe" name="probe1">
                <property name="Colour">%1</property><property name="FrameStyle">%2</property></widget>)")
                         .arg(c.colour, c.frame)),
            handlers);
        const auto* probe = static_cast<TProbe*>(objects.value("probe1"));
        EXPECT_EQ(probe->FColour, c.expectedColour) << c.colour.toStdString();
        EXPECT_EQ(probe->FFrameStyle, c.expectedFrame) << c.frame.toStdString();
    }
}

TEST_F(FormLoader, CaptionIsTheTextOfButtonsAndTheTitleOfWindows)
{
    const TFormObjects objects = LoadFormFromXml(
        &form,
        Describe(R"(<widget class="QPushButton" name="btn1"><property name="Caption"><string>Go</string></property></widget>)",
                 R"(<property name="Caption"><string>Test window</string></property>)"),
        handlers);
    EXPECT_EQ(FormMember<QPushButton>(objects, "dlgTest", "btn1")->text(), "Go");
    EXPECT_EQ(form.windowTitle(), "Test window");
}

TEST_F(FormLoader, FormCreateRunsAfterLoadingWithMembersBound)
{
    TNumIO2* member = nullptr;
    QString seen;
    handlers["FormCreate"] = [&](QObject*) { seen = member ? member->Text() : "unbound"; };
    LoadFormFromXml(&form,
                    Describe(Field(R"(<property name="Value"><double>4</double></property>)"),
                             R"(<property name="OnCreate" stdset="0"><string>FormCreate</string></property>)"),
                    handlers, [&](const TFormObjects& o) { member = FormMember<TNumIO2>(o, "dlgTest", "nio1"); });
    EXPECT_EQ(seen, "4.00");
}

TEST_F(FormLoader, ReadsTheStopsOfAFieldAsNumbersApartBySpaces)
{
    const struct
    {
        QString text;
        std::vector<double> expected;
    } cases[] = {
        {"1 2 5 10", {1, 2, 5, 10}},
        {"  -1e3   0.25 ", {-1000, 0.25}},
        {"", {}},
    };
    for (const auto& c : cases) {
        QDialog fresh;
        const TFormObjects objects = LoadFormFromXml(
            &fresh, Describe(Field(QStringLiteral(R"(<property name="ButtonPivots" stdset="0"><string>%1</string></property>)").arg(c.text))),
            handlers);
        EXPECT_EQ(FormMember<TNumIO2>(objects, "dlgTest", "nio1")->ButtonPivots, c.expected) << c.text.toStdString();
    }
}

TEST_F(FormLoader, WritesExtraPropertiesAfterThePublishedOnesInTheFilesOrder)
{
    QStringList written;
    for (const QString name : {"First", "Second"})
        ASSERT_TRUE(RegisterControlProperty("TProbe", name, [&written, name](QObject* control, const TUiNode& value) {
            written << QStringLiteral("%1 %2 colour %3").arg(name, value.Text).arg(static_cast<TProbe*>(control)->FColour);
            return QString();
        }));
    LoadFormFromXml(&form, Describe(R"(<widget class="TProbe" name="probe1">
        <property name="Second" stdset="0"><string>b</string></property>
        <property name="First" stdset="0"><string>a</string></property>
        <property name="Colour"><number>7</number></property></widget>)"),
                    handlers);
    EXPECT_EQ(written, QStringList({"Second b colour 7", "First a colour 7"}));
    EXPECT_FALSE(RegisterControlProperty("TNoSuchClass", "First", {}));
}

TEST_F(FormLoader, BadDescriptionsNameWindowControlAndProperty)
{
    const struct
    {
        QByteArray xml;
        QString message;
    } cases[] = {
        {Describe(Field("", "TNumIOX")), R"(Window "dlgTest", control "nio1": unknown class "TNumIOX")"},
        {Describe(Field(R"(<property name="Valu"><double>1</double></property>)")),
         R"(Window "dlgTest", control "nio1", property "Valu": the control has no such property)"},
        {Describe(Field(R"(<property name="Value"><string>abc</string></property>)")),
         R"(Window "dlgTest", control "nio1", property "Value": a number is expected, not <string> "abc")"},
        {Describe(Field(R"(<property name="LeftText"><number>5</number></property>)")),
         R"(Window "dlgTest", control "nio1", property "LeftText": a string is expected, not <number> "5")"},
        {Describe(Field(R"(<property name="OnChange" stdset="0"><string>nioChang</string></property>)")),
         R"(Window "dlgTest", control "nio1", property "OnChange": unknown handler "nioChang")"},
        {Describe(Field(R"(<property name="OnChange" stdset="0"><number>1</number></property>)")),
         R"(Window "dlgTest", control "nio1", property "OnChange": the name of a handler is expected)"},
        {Describe(R"(<widget class="TProbe" name="probe1"><property name="FrameStyle"><enum>fsDotted</enum></property></widget>)"),
         R"(Window "dlgTest", control "probe1", property "FrameStyle": unknown value "fsDotted")"},
        {Describe(R"(<widget class="TProbe" name="probe1"><property name="Colour"><string>clPink</string></property></widget>)"),
         R"(Window "dlgTest", control "probe1", property "Colour": a colour is expected)"},
        // A value the control itself refuses, by throwing from its setter.
        {Describe(Field(R"(<property name="InputFormat"><enum>itHex</enum></property>
                           <property name="Value"><double>1e300</double></property>)")),
         R"(Window "dlgTest", control "nio1", property "Value": Invalid floating point operation)"},
        {Describe(QString(), R"(<property name="Color" stdset="0"><string>clPink</string></property>)"),
         R"(Window "dlgTest", property "Color": a colour is expected)"},
        {Describe(Field("") + Field("")), R"(Window "dlgTest", control "nio1": the name is used twice)"},
        {Describe(Field(R"(<property name="ButtonPivots" stdset="0"><string>1 two</string></property>)")),
         R"(Window "dlgTest", control "nio1", property "ButtonPivots": numbers apart by spaces are expected)"},
        {Describe(Field(R"(<property name="ButtonPivots" stdset="0"><number>1</number></property>)")),
         R"(Window "dlgTest", control "nio1", property "ButtonPivots": numbers apart by spaces are expected)"},
        {Describe(Field(R"(<property name="ButtonPivots" stdset="0"><string>1</string></property>
                           <property name="ButtonPivots" stdset="0"><string>2</string></property>)")),
         R"(Window "dlgTest", control "nio1", property "ButtonPivots": the property is given twice)"},
        {"<ui><widget class=\"QMainWindow\" name=\"frmX\"/></ui>", R"(Window "frmX": unknown window class "QMainWindow")"},
        {"<ui><widget class=\"QDialog\" name=\"dlgTest\"></ui>", "Window description \"test\" is not readable"},
    };
    for (const auto& c : cases) {
        QDialog fresh;
        try {
            LoadFormFromXml(&fresh, c.xml, handlers, {}, "test");
            ADD_FAILURE() << "no error for " << c.message.toStdString();
        } catch (const EReadError& e) {
            EXPECT_TRUE(e.Message().startsWith(c.message)) << e.Message().toStdString();
        }
    }
}

} // namespace

#include "test_formloader.moc"
