// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "DesignedLook.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

} // namespace

void UseDesignedLook()
{
    // Fusion is built into Qt Widgets, so it is always there; its standard
    // palette is the light one Qt uses where the desktop sets none.
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette light = fusion->standardPalette();
    if (IsDark(QApplication::style()->standardPalette()))
        QApplication::setStyle(fusion); // the application owns it from here
    else
        delete fusion;
    QApplication::setPalette(light);
}
