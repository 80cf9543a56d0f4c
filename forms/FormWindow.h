// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The frame of a window built from its description: the size of its client
// area, its border style (bsSingle fixes the size, bsSizeable does not), its
// border icons (biSystemMenu, biMinimize, biMaximize), its colour, and where
// it opens (poDesigned, poScreenCenter, poMainFormCenter).
#include "UiTree.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace vorn {

class TWindowFrame
{
public:
    // `window` names the window in messages.
    TWindowFrame(QWidget* form, QString window);

    // Takes the window's <property> element when it is one of the frame's:
    // the colour is set at once, the rest waits for Apply. False for any
    // other property. EReadError for a value the frame cannot take.
    bool TakeProperty(const TUiNode& property);

    // Sizes `client` (the window, or a main window's central widget), fixes
    // the window's size for a single border, sets the border icons and
    // centres the window each time it is shown when asked to. Called once
    // the menu bar and the controls are in place.
    void Apply(QWidget* client) const;

private:
    QWidget* FForm;
    QString FWindow;
    int FClientWidth = -1; // -1: the size the description's geometry gives
    int FClientHeight = -1;
    QString FBorderStyle = QStringLiteral("bsSizeable");
    QStringList FIcons{QStringLiteral("biSystemMenu"), QStringLiteral("biMinimize"), QStringLiteral("biMaximize")};
    QString FPosition = QStringLiteral("poDesigned");

    [[noreturn]] void Fail(const QString& property, const QString& what) const;
    void TakePixels(const QString& property, const TUiNode* value, int& target) const;
    void TakeBorderStyle(const QString& property, const QString& text);
    void TakeBorderIcons(const QString& property, const QString& text);
    void TakePosition(const QString& property, const QString& text);
    void TakeColor(const QString& property, const TUiNode* value) const;
    void ApplyClientSize(QWidget* client) const;
    void ApplyBorder() const;
};

} // namespace vorn
