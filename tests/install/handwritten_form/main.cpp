// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Sets up the form written by hand for uic (handwritten.ui) and, with
// --smoke, checks off screen that every property the file gives arrived
// through uic's set + name calls: the file is read back and each value
// compared with the control's property. Every published property that has a
// set + name writer must be in the file, with a value other than a new
// control's. Exits 0 when all hold.
static_assert(__cplusplus == 201703L, "this program checks the installed headers as C++17");

#include <vorn/Application.h>
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>

#include "ui_handwritten.h"

#include <QApplication>
#include <QFile>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QXmlStreamReader>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const QString& what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
    failures += ok ? 0 : 1;
}

// One <property> of a control in the file: its name, its kind (bool,
// number, double, UInt, string, enum) and its text.
struct FormValue
{
    QString Name;
    QString Kind;
    QString Text;
};

struct FormWidget
{
    QString Class;
    QString Name;
    std::vector<FormValue> Values;
};

// The Vorn controls of the file and the properties each is given.
std::vector<FormWidget> ReadForm(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    std::vector<FormWidget> widgets;
    int depth = 0;
    int controlDepth = -1;
    int propertyDepth = -1;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            if (depth == controlDepth)
                controlDepth = -1;
            if (depth == propertyDepth)
                propertyDepth = -1;
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        const QStringView tag = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (tag == QLatin1String("widget") && attributes.value(QLatin1String("class")).startsWith(QLatin1String("vorn::"))) {
            widgets.push_back({attributes.value(QLatin1String("class")).toString(), attributes.value(QLatin1String("name")).toString(), {}});
            controlDepth = depth;
        } else if (tag == QLatin1String("property") && controlDepth == depth - 1) {
            widgets.back().Values.push_back({attributes.value(QLatin1String("name")).toString(), QString(), QString()});
            propertyDepth = depth;
        } else if (propertyDepth == depth - 1) {
            widgets.back().Values.back().Kind = tag.toString();
            widgets.back().Values.back().Text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            --depth; // readElementText consumed the end of the element
        }
    }
    return widgets;
}

// Whether a property's value is the one the file gives.
bool Matches(const QMetaProperty& property, const QVariant& value, const FormValue& given)
{
    if (given.Kind == QLatin1String("enum")) {
        const char* key = property.enumerator().valueToKey(value.toInt());
        return key && given.Text.section(QStringLiteral("::"), -1) == QLatin1String(key);
    }
    if (given.Kind == QLatin1String("bool"))
        return value.toBool() == (given.Text == QLatin1String("true"));
    if (given.Kind == QLatin1String("number"))
        return value.toInt() == given.Text.toInt();
    if (given.Kind == QLatin1String("UInt"))
        return value.toUInt() == given.Text.toUInt();
    if (given.Kind == QLatin1String("double"))
        return qFuzzyCompare(value.toDouble(), given.Text.toDouble());
    if (given.Kind == QLatin1String("string"))
        return value.toString() == given.Text;
    return false;
}

std::unique_ptr<QWidget> NewControl(const QString& cls)
{
    if (cls == QLatin1String("vorn::TNumIO2"))
        return std::make_unique<vorn::TNumIO2>();
    if (cls == QLatin1String("vorn::TNumLab"))
        return std::make_unique<vorn::TNumLab>();
    if (cls == QLatin1String("vorn::TRasterLab"))
        return std::make_unique<vorn::TRasterLab>();
    if (cls == QLatin1String("vorn::TRotLab"))
        return std::make_unique<vorn::TRotLab>();
    return nullptr;
}

int Smoke(QWidget& window, const Ui::HandwrittenForm& ui, int reports)
{
    const std::vector<FormWidget> form = ReadForm(QStringLiteral(HANDWRITTEN_UI));
    Check(form.size() == 5, QStringLiteral("the file names five controls"));
    // Properties that set + name reaches through QWidget's own writer (Font,
    // Visible) need not be in the file; every other published one must.
    const std::set<QString> qwidgetsOwn = {QStringLiteral("Font"), QStringLiteral("Visible")};
    std::map<QString, std::set<QString>> given;
    for (const FormWidget& w : form) {
        if (w.Name == QLatin1String("refusing"))
            continue;
        QWidget* control = window.findChild<QWidget*>(w.Name);
        const std::unique_ptr<QWidget> fresh = NewControl(w.Class);
        if (!control || !fresh) {
            Check(false, w.Name + QStringLiteral(": made by uic's code"));
            continue;
        }
        const QMetaObject* mo = control->metaObject();
        for (const FormValue& v : w.Values) {
            const int index = mo->indexOfProperty(v.Name.toLatin1().constData());
            if (index < QWidget::staticMetaObject.propertyCount())
                continue; // QWidget's own (geometry)
            given[w.Class].insert(v.Name);
            const QMetaProperty p = mo->property(index);
            const QString what = QStringLiteral("%1.%2 = %3").arg(w.Name, v.Name, v.Text);
            Check(Matches(p, p.read(control), v), what);
            Check(!Matches(p, p.read(fresh.get()), v), what + QStringLiteral(" differs from a new control's"));
        }
    }
    for (const auto& [cls, names] : given) {
        const std::unique_ptr<QWidget> fresh = NewControl(cls);
        const QMetaObject* mo = fresh->metaObject();
        for (int i = QWidget::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
            const QString name = QString::fromLatin1(mo->property(i).name());
            if (mo->property(i).isWritable() && !qwidgetsOwn.count(name))
                Check(names.count(name) == 1, QStringLiteral("%1.%2 is in the file").arg(cls, name));
        }
    }
    Check(given.size() == 4, QStringLiteral("the four controls are in the file"));
    // The refused write went to the error report and left the format.
    Check(reports == 1, QStringLiteral("uic's refused write is reported once (%1)").arg(reports));
    Check(ui.refusing->InputFormat() == vorn::numio::itFloat, QStringLiteral("refusing.InputFormat stays itFloat"));
    Check(HEADER_COUNT >= 5, QStringLiteral("%1 installed headers compiled alone as C++17").arg(HEADER_COUNT));

    window.show();
    QApplication::processEvents();
    Check(!ui.field->grab().isNull() && !ui.label->grab().isNull(), QStringLiteral("the form paints"));
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    if (smoke && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int reports = 0;
    vorn::Application->OnException = [&reports](QObject*, const std::exception&) { ++reports; };
    QWidget window;
    Ui::HandwrittenForm ui;
    ui.setupUi(&window);
    if (smoke)
        return Smoke(window, ui, reports);
    window.show();
    return QApplication::exec();
}
