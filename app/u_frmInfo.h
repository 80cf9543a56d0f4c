// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The info window: the program's about box, shown modally from the main
// window's Info menu item and hidden again by its Close button.
#include <QDialog>

class QLabel;
class QPushButton;
namespace vorn {
class TRasterLab;
class TRotLab;
} // namespace vorn

class TfrmInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmInfo(QWidget* parent = nullptr);

    vorn::TRotLab* RotLab1 = nullptr;
    vorn::TRasterLab* RasterLab1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;

    // Shows the window and returns when it is closed.
    int ShowModal();
    void Button1Click(QObject* Sender);

protected:
    // No button is the cancel button, so Escape does not close the window.
    void keyPressEvent(QKeyEvent* event) override;
};

extern TfrmInfo* frmInfo;
