// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The four Vorn controls in ordinary Qt layouts: a numeric field whose value
// a numeric label and a dot-matrix label show, beside a rotated caption.
//
//   vorn_example           shows the window
//   vorn_example --smoke   types a number into the field off-screen, checks
//                          that both labels show it, and exits 0 when they do
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>
#include <vorn/VornVersion.h>

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstring>

static_assert(VORN_VERSION >= QT_VERSION_CHECK(3, 0, 0), "this example is written for the Vorn controls 3");

namespace {

struct Window {
    QWidget widget;
    vorn::TRotLab* caption = new vorn::TRotLab(&widget);
    vorn::TNumIO2* field = new vorn::TNumIO2(&widget);
    vorn::TNumLab* label = new vorn::TNumLab(&widget);
    vorn::TRasterLab* matrix = new vorn::TRasterLab(&widget);

    Window();
    void ShowValue(double value);
};

Window::Window()
{
    widget.setWindowTitle(QStringLiteral("Vorn controls " VORN_VERSION_STRING));

    caption->SetCaption(QStringLiteral("Vorn"));
    caption->SetTextAngle(90);
    caption->SetAutoCenter(true);

    field->SetLeftSpace(0);
    field->SetRightText(QStringLiteral("kHz"));
    field->SetButVis(true);
    field->SetRangeHigh(100000.0);
    field->SetTabStop(true);

    label->SetLeftSpace(0);
    label->SetDisplayType(vorn::numlab::dtEEng);
    label->SetRightText(QStringLiteral("Hz"));

    matrix->SetLabText(QStringLiteral("0"));

    // The layouts size each control from its size hint.
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Frequency:"), field);
    form->addRow(QStringLiteral("In hertz:"), label);
    form->addRow(QStringLiteral("Dot matrix:"), matrix);
    auto* row = new QHBoxLayout(&widget);
    row->addWidget(caption);
    row->addLayout(form);

    // Every change of the field's value reaches the labels.
    QObject::connect(field, &vorn::TNumIO2::valueChanged, &widget, [this](double value) { ShowValue(value); });
}

void Window::ShowValue(double kiloHertz)
{
    label->SetLabValue(kiloHertz * 1000.0);
    matrix->SetLabText(QString::number(kiloHertz));
}

// Types `text` into the field key by key, as a user would.
void Type(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const int key = c == u'.' ? Qt::Key_Period : Qt::Key_0 + c.digitValue();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

// The smoke run: the typed number must arrive in both labels.
int Smoke(Window& w)
{
    Type(w.field, QStringLiteral("42.5"));
    const bool inLabel = std::abs(w.label->Value() - 42500.0) < 1e-9;
    const bool inMatrix = w.matrix->Text() == QStringLiteral("42.5");
    // Laid out at their size hints, the field and the label show their boxes whole.
    const bool laidOut = w.field->width() >= w.field->LeftSpace() + w.field->TextBoxWidth() &&
                         w.label->width() >= w.label->LeftSpace() + w.label->LabelWidth();
    std::printf("field \"%s\", label %g, dot matrix \"%s\"\n", qPrintable(w.field->Text()), w.label->Value(),
                qPrintable(w.matrix->Text()));
    return inLabel && inMatrix && laidOut ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    if (smoke && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Window w;
    w.widget.show();
    if (smoke)
        QTimer::singleShot(0, &app, [&] { QApplication::exit(Smoke(w)); });
    return QApplication::exec();
}
