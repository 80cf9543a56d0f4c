// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "u_frmCoil.h"

#include "Application.h"
#include "CoilWinding.h"
#include "ControlClasses.h"
#include "FormLoader.h"
#include "NumIO.h"
#include "NumLab.h"
#include "u_frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>

using namespace vorn;

TfrmCoil* frmCoil = nullptr;

namespace {

// Puts the window beside the main window, right of it where the screen has
// room, else left of it, so that both stay in view; within the screen.
void PlaceBeside(QWidget* window, const QWidget* main)
{
    const QScreen* screen = main->screen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QRect beside = main->frameGeometry();
    const QSize size = window->frameGeometry().size();
    int x = beside.right() + 1 + 8;
    if (x + size.width() > avail.right() + 1)
        x = beside.left() - 8 - size.width();
    x = std::max(std::min(x, avail.right() + 1 - size.width()), avail.left());
    const int y = std::max(std::min(beside.top(), avail.bottom() + 1 - size.height()), avail.top());
    window->move(x, y);
}

} // namespace

TfrmCoil::TfrmCoil(TfrmMain* main) : QDialog(main), FMain(main)
{
    RegisterControlClasses();
    const THandlers handlers{
        {QStringLiteral("InputChange"), [this](QObject* s) { InputChange(s); }},
        {QStringLiteral("nioLChange"), [this](QObject* s) { nioLChange(s); }},
        {QStringLiteral("cbCloseWoundClick"), [this](QObject* s) { cbCloseWoundClick(s); }},
        {QStringLiteral("cbFollowClick"), [this](QObject* s) { cbFollowClick(s); }},
        {QStringLiteral("btnCloseClick"), [this](QObject* s) { btnCloseClick(s); }},
    };
    LoadForm(this, QStringLiteral(":/forms/u_frmCoil.ui"), handlers, [this](const TFormObjects& o) {
        const QString w = objectName();
        nioFormer = FormMember<TNumIO2>(o, w, QStringLiteral("nioFormer"));
        nioBare = FormMember<TNumIO2>(o, w, QStringLiteral("nioBare"));
        nioInsulated = FormMember<TNumIO2>(o, w, QStringLiteral("nioInsulated"));
        nioPitch = FormMember<TNumIO2>(o, w, QStringLiteral("nioPitch"));
        nioL = FormMember<TNumIO2>(o, w, QStringLiteral("nioL"));
        cbCloseWound = FormMember<QCheckBox>(o, w, QStringLiteral("cbCloseWound"));
        cbFollow = FormMember<QCheckBox>(o, w, QStringLiteral("cbFollow"));
        nlTurns = FormMember<TNumLab>(o, w, QStringLiteral("nlTurns"));
        nlWholeTurns = FormMember<TNumLab>(o, w, QStringLiteral("nlWholeTurns"));
        nlWholeL = FormMember<TNumLab>(o, w, QStringLiteral("nlWholeL"));
        nlLength = FormMember<TNumLab>(o, w, QStringLiteral("nlLength"));
        nlWire = FormMember<TNumLab>(o, w, QStringLiteral("nlWire"));
        nlShape = FormMember<TNumLab>(o, w, QStringLiteral("nlShape"));
        nlNagaoka = FormMember<TNumLab>(o, w, QStringLiteral("nlNagaoka"));
        nlWheeler = FormMember<TNumLab>(o, w, QStringLiteral("nlWheeler"));
        lblStatus = FormMember<QLabel>(o, w, QStringLiteral("lblStatus"));
        btnClose = FormMember<QPushButton>(o, w, QStringLiteral("btnClose"));
    });
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // As in the main window: Tab reaches the buttons, these keys the fields.
    const auto fields = Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        fields[i]->SetFocusShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + int(i))));
    connect(FMain->nioL, &TNumIO2::valueChanged, this, [this] { GuardedCall(this, [this] { CalculatorLChanged(); }); });
    ApplyCloseWound();
    FollowCalculator();
    Recalculate();
}

TfrmCoil::~TfrmCoil()
{
    if (frmCoil == this)
        frmCoil = nullptr;
}

void TfrmCoil::InputChange(QObject*)
{
    ApplyCloseWound();
    Recalculate();
}

// An L of the user's own: the window stops following the calculator.
void TfrmCoil::nioLChange(QObject*)
{
    cbFollow->setChecked(false);
    Recalculate();
}

void TfrmCoil::cbCloseWoundClick(QObject*)
{
    ApplyCloseWound();
    Recalculate();
}

void TfrmCoil::cbFollowClick(QObject*)
{
    FollowCalculator();
    Recalculate();
}

void TfrmCoil::btnCloseClick(QObject*)
{
    close();
}

void TfrmCoil::CalculatorLChanged()
{
    if (!cbFollow->isChecked())
        return;
    FollowCalculator();
    Recalculate();
}

// While the calculator's L reads as 0 or less the user is still typing it,
// and the window keeps the L it has.
void TfrmCoil::FollowCalculator()
{
    const double l = FMain->nioL->GetNioValue();
    if (cbFollow->isChecked() && l > 0)
        nioL->SetNioValue(l);
}

// Close-wound, the turns touch: the pitch is the insulated diameter and is
// not typed.
void TfrmCoil::ApplyCloseWound()
{
    const bool close = cbCloseWound->isChecked();
    if (close)
        nioPitch->SetNioValue(nioInsulated->GetNioValue());
    nioPitch->SetReadonly(close);
}

// The fields in the order of their keys, Alt+1 to Alt+5.
std::array<TNumIO2*, 5> TfrmCoil::Fields() const
{
    return {nioFormer, nioBare, nioInsulated, nioPitch, nioL};
}

// The first field whose value lies outside its range, said as a sentence;
// values of 0 or less are left to the model, which asks for them.
QString TfrmCoil::RangeFault() const
{
    for (TNumIO2* field : Fields()) {
        const double v = field->GetNioValue();
        if (v > 0 && (v < field->RangeLow() || v > field->RangeHigh()))
            return QStringLiteral("%1 must be %2 to %3 %4.")
                .arg(field->LeftText(), coil::NumberText(field->RangeLow(), 'g', 10),
                     coil::NumberText(field->RangeHigh(), 'g', 10), field->RightText());
    }
    return QString();
}

// The read-outs show the winding of the values as the fields show them, or
// no value at all while the status line says what is wrong.
void TfrmCoil::Recalculate()
{
    QString fault = RangeFault();
    coil::TWinding w;
    if (fault.isEmpty()) {
        const coil::TCoilShape shape{nioFormer->GetNioValue(), nioBare->GetNioValue(), nioInsulated->GetNioValue(),
                                     nioPitch->GetNioValue()};
        w = coil::Wind(shape, nioL->GetNioValue());
        fault = coil::FaultText(w);
    }
    lblStatus->setText(fault);
    const std::vector<std::pair<TNumLab*, double>> readOuts{
        {nlTurns, w.Turns},          {nlWholeTurns, w.WholeTurns}, {nlWholeL, w.WholeInductance},
        {nlLength, w.Length},        {nlWire, w.WireLength},       {nlShape, w.LengthOverDiameter},
        {nlNagaoka, w.Nagaoka},      {nlWheeler, w.Wheeler},
    };
    for (const auto& [label, value] : readOuts) {
        if (fault.isEmpty())
            label->SetLabValue(value);
        label->SetEmpty(!fault.isEmpty());
    }
}

QAction* AddCoilWindingItem(TfrmMain* main)
{
    auto* item = new QAction(QStringLiteral("Coil winding..."), main);
    item->setObjectName(QStringLiteral("CoilWinding1"));
    // Alt, so that it reaches the menu from inside a field too; W for winding.
    item->setShortcut(QKeySequence(Qt::ALT | Qt::Key_W));
    main->File1->insertAction(main->Exit1, item);
    QObject::connect(item, &QAction::triggered, item, [main, item] {
        GuardedCall(item, [main] {
            if (!frmCoil) {
                frmCoil = new TfrmCoil(main);
                PlaceBeside(frmCoil, main);
            }
            frmCoil->show();
            frmCoil->raise();
            frmCoil->activateWindow();
        });
    });
    return item;
}
