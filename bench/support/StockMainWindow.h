// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The calculator's main window built from stock Qt widgets, for the
// benchmarks that compare the program's start with a stock one: bench_pairs'
// start-up pair and the stock program timed on a virtual X server
// (bench/startup_on_x.sh).
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>

#include <utility>

// Three line edits, a label, a button and the menu bar, where the main
// window has them, showing what it shows at start.
struct TStockMainWindow : QMainWindow
{
    QLineEdit* Freq = new QLineEdit(QStringLiteral("7.100"));
    QLineEdit* L = new QLineEdit(QStringLiteral("8.451"));
    QLineEdit* XL = new QLineEdit(QStringLiteral("377.0"));
    QLabel* C = new QLabel(QStringLiteral("59.459"));
    QPushButton* Exit = new QPushButton(QStringLiteral("Exit"));

    TStockMainWindow()
    {
        setWindowTitle(QStringLiteral("Korvel Tuning Coil Calculator"));
        // The window's font, as its description (app/u_frmMain.ui) sets it:
        // finding it (or its stand-in where it is not installed) is part of
        // showing this window, whatever its widgets are.
        setFont(QFont(QStringLiteral("Tahoma"), 8));
        menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
        menuBar()->addAction(QStringLiteral("Info"));
        auto* central = new QWidget;
        const std::pair<QWidget*, QRect> places[] = {
            {Freq, {8, 27, 177, 25}}, {L, {8, 58, 177, 25}},     {XL, {191, 58, 137, 25}},
            {C, {8, 89, 177, 25}},    {Exit, {253, 120, 75, 25}},
        };
        for (const auto& [w, r] : places) {
            w->setParent(central);
            w->setGeometry(r);
        }
        C->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        C->setAlignment(Qt::AlignCenter);
        setCentralWidget(central);
        // Not resizable, like the main window.
        setFixedSize(337, 153 + menuBar()->sizeHint().height());
    }
};
