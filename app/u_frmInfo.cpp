// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "u_frmInfo.h"

#include "ControlClasses.h"
#include "FormLoader.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace vorn;

TfrmInfo* frmInfo = nullptr;

TfrmInfo::TfrmInfo(QWidget* parent) : QDialog(parent)
{
    RegisterControlClasses();
    const THandlers handlers{
        {QStringLiteral("Button1Click"), [this](QObject* s) { Button1Click(s); }},
    };
    LoadForm(this, QStringLiteral(":/forms/u_frmInfo.ui"), handlers, [this](const TFormObjects& o) {
        const QString w = objectName();
        RotLab1 = FormMember<TRotLab>(o, w, QStringLiteral("RotLab1"));
        RasterLab1 = FormMember<TRasterLab>(o, w, QStringLiteral("RasterLab1"));
        Label1 = FormMember<QLabel>(o, w, QStringLiteral("Label1"));
        Button1 = FormMember<QPushButton>(o, w, QStringLiteral("Button1"));
    });
}

int TfrmInfo::ShowModal()
{
    return exec();
}

void TfrmInfo::Button1Click(QObject*)
{
    close();
}

void TfrmInfo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else
        QDialog::keyPressEvent(event);
}
