// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The main window: frequency, inductance and reactance of the tuning coil
// kept consistent, and the capacitance that resonates with it.
#include <QMainWindow>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
namespace vorn {
class TNumIO2;
class TNumLab;
} // namespace vorn

class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMain(QWidget* parent = nullptr);

    QPushButton* btnExit = nullptr;
    vorn::TNumIO2* nioFreq = nullptr; // operating frequency, MHz
    vorn::TNumLab* nlC = nullptr;     // resonating capacitance, pF
    vorn::TNumIO2* nioL = nullptr;    // inductance, uH
    vorn::TNumIO2* nioXL = nullptr;   // inductive reactance, ohm
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Info1 = nullptr;
    QAction* Exit1 = nullptr;

    void FormCreate(QObject* Sender);
    void nioFreqChange(QObject* Sender);
    void nioLChange(QObject* Sender);
    void nioXLChange(QObject* Sender);
    void Info1Click(QObject* Sender);
    void btnExitClick(QObject* Sender);
    void Exit1Click(QObject* Sender);

private:
    double CalcC();
    double CalcL();
};

extern TfrmMain* frmMain;
