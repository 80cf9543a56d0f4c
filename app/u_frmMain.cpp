// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "u_frmMain.h"

#include "Application.h"
#include "ControlClasses.h"
#include "FloatCheck_p.h"
#include "FormLoader.h"
#include "NumIO.h"
#include "NumLab.h"
#include "u_frmInfo.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace vorn;

TfrmMain* frmMain = nullptr;

namespace {
// Pi and 2 pi to the precision of long double.
constexpr long double Pi = 3.14159265358979323851L;
constexpr long double TwoPi = 6.28318530717958647703L;
} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    RegisterControlClasses();
    const THandlers handlers{
        {QStringLiteral("FormCreate"), [this](QObject* s) { FormCreate(s); }},
        {QStringLiteral("nioFreqChange"), [this](QObject* s) { nioFreqChange(s); }},
        {QStringLiteral("nioLChange"), [this](QObject* s) { nioLChange(s); }},
        {QStringLiteral("nioXLChange"), [this](QObject* s) { nioXLChange(s); }},
        {QStringLiteral("Info1Click"), [this](QObject* s) { Info1Click(s); }},
        {QStringLiteral("btnExitClick"), [this](QObject* s) { btnExitClick(s); }},
        {QStringLiteral("Exit1Click"), [this](QObject* s) { Exit1Click(s); }},
    };
    LoadForm(this, QStringLiteral(":/forms/u_frmMain.ui"), handlers, [this](const TFormObjects& o) {
        const QString w = objectName();
        btnExit = FormMember<QPushButton>(o, w, QStringLiteral("btnExit"));
        nioFreq = FormMember<TNumIO2>(o, w, QStringLiteral("nioFreq"));
        nlC = FormMember<TNumLab>(o, w, QStringLiteral("nlC"));
        nioL = FormMember<TNumIO2>(o, w, QStringLiteral("nioL"));
        nioXL = FormMember<TNumIO2>(o, w, QStringLiteral("nioXL"));
        MainMenu1 = FormMember<QMenuBar>(o, w, QStringLiteral("MainMenu1"));
        File1 = FormMember<QMenu>(o, w, QStringLiteral("File1"));
        Info1 = FormMember<QAction>(o, w, QStringLiteral("Info1"));
        Exit1 = FormMember<QAction>(o, w, QStringLiteral("Exit1"));
    });
    // Tab reaches only Exit; these keys take the keyboard into the fields,
    // in the window's order, with no menu or standard key on them.
    nioFreq->SetFocusShortcut(QKeySequence(Qt::ALT | Qt::Key_1));
    nioL->SetFocusShortcut(QKeySequence(Qt::ALT | Qt::Key_2));
    nioXL->SetFocusShortcut(QKeySequence(Qt::ALT | Qt::Key_3));
}

// C = 10^6 / (2 pi f XL), in pF from MHz and ohm.
double TfrmMain::CalcC()
{
    long double x = FMul(nioXL->GetNioValue(), 2.0L);
    x = FMul(x, Pi);
    const long double p = FMul(nioFreq->GetNioValue(), x);
    const double q = ToDouble(FDiv(1.0L, p));
    return ToDouble(FMul(q, 1000000.0L));
}

// L = XL / (2 pi f), in uH from ohm and MHz.
double TfrmMain::CalcL()
{
    const long double t = FMul(nioFreq->GetNioValue(), TwoPi);
    return ToDouble(FDiv(nioXL->GetNioValue(), t));
}

void TfrmMain::FormCreate(QObject*)
{
    nioL->SetNioValue(CalcL());
    nlC->SetLabValue(CalcC());
}

// Each handler waits while an input it needs reads as 0 or less: the user is
// still typing it (an empty field, "-", "0", "0.5" on its way), so the other
// values keep theirs and no division by zero reaches the error report.
void TfrmMain::nioFreqChange(QObject*)
{
    if (!(nioFreq->GetNioValue() > 0 && nioXL->GetNioValue() > 0))
        return;
    nioL->SetNioValue(CalcL());
    nlC->SetLabValue(CalcC());
}

// A new L keeps the frequency and gives a new XL; C then follows from XL as
// the field shows it.
void TfrmMain::nioLChange(QObject*)
{
    if (!(nioFreq->GetNioValue() > 0 && nioL->GetNioValue() > 0))
        return;
    const long double t = FMul(nioFreq->GetNioValue(), TwoPi);
    nioXL->SetNioValue(ToDouble(FMul(t, nioL->GetNioValue())));
    // A very small L gives an XL that the field shows as 0.0; C, computed
    // from XL as shown, then waits like the other values.
    if (nioXL->GetNioValue() > 0)
        nlC->SetLabValue(CalcC());
}

void TfrmMain::nioXLChange(QObject*)
{
    if (!(nioFreq->GetNioValue() > 0 && nioXL->GetNioValue() > 0))
        return;
    nioL->SetNioValue(CalcL());
    nlC->SetLabValue(CalcC());
}

void TfrmMain::Info1Click(QObject*)
{
    frmInfo->ShowModal();
}

void TfrmMain::btnExitClick(QObject*)
{
    Application->Terminate();
}

void TfrmMain::Exit1Click(QObject*)
{
    Application->Terminate();
}
