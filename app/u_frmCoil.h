// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The coil winding window: turns the inductance the calculator asks for
// into a single-layer coil of round wire on a former (turns, lengths, and
// the figures of the model beside Wheeler's estimate). Modeless, one for the
// program, opened from the main window's File menu; it keeps its values
// while it is closed.
#include <QDialog>

#include <array>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class TfrmMain;
namespace vorn {
class TNumIO2;
class TNumLab;
} // namespace vorn

class TfrmCoil : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmCoil(TfrmMain* main);
    ~TfrmCoil() override;

    vorn::TNumIO2* nioFormer = nullptr;    // former diameter, mm
    vorn::TNumIO2* nioBare = nullptr;      // bare wire diameter, mm
    vorn::TNumIO2* nioInsulated = nullptr; // insulated wire diameter, mm
    vorn::TNumIO2* nioPitch = nullptr;     // distance between turns, mm
    vorn::TNumIO2* nioL = nullptr;         // required inductance, uH
    QCheckBox* cbCloseWound = nullptr;     // pitch follows the insulated wire
    QCheckBox* cbFollow = nullptr;         // L follows the calculator
    vorn::TNumLab* nlTurns = nullptr;
    vorn::TNumLab* nlWholeTurns = nullptr;
    vorn::TNumLab* nlWholeL = nullptr;
    vorn::TNumLab* nlLength = nullptr;
    vorn::TNumLab* nlWire = nullptr;
    vorn::TNumLab* nlShape = nullptr;
    vorn::TNumLab* nlNagaoka = nullptr;
    vorn::TNumLab* nlWheeler = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* btnClose = nullptr;

    void InputChange(QObject* Sender);
    void nioLChange(QObject* Sender);
    void cbCloseWoundClick(QObject* Sender);
    void cbFollowClick(QObject* Sender);
    void btnCloseClick(QObject* Sender);

private:
    TfrmMain* FMain;

    void CalculatorLChanged();
    void FollowCalculator();
    void ApplyCloseWound();
    std::array<vorn::TNumIO2*, 5> Fields() const;
    QString RangeFault() const;
    void Recalculate();
};

extern TfrmCoil* frmCoil;

// Puts "Coil winding..." into the main window's File menu above Exit, with
// the key Alt+W; it opens the winding window, made on first use. Returns
// the menu item.
QAction* AddCoilWindingItem(TfrmMain* main);
