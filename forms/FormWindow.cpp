// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FormWindow.h"

#include "Application.h"
#include "Colors.h"
#include "FormValues.h"

#include <QEvent>
#include <QLayout>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

namespace vorn {

namespace {

// Centres a window each time it is shown, before it reaches the screen: on
// the screen, or over the main window when that is showing.
class TCentreOnShow : public QObject
{
public:
    TCentreOnShow(QWidget* form, bool overMainForm) : QObject(form), FForm(form), FOverMain(overMainForm) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == FForm && event->type() == QEvent::Show && !event->spontaneous())
            Centre();
        return false;
    }

private:
    QWidget* FForm;
    bool FOverMain;

    void Centre() const
    {
        QWidget* main = Application->MainForm();
        QRect area;
        if (FOverMain && main && main != FForm && main->isVisible())
            area = main->frameGeometry();
        else if (QScreen* screen = FForm->screen())
            area = screen->availableGeometry();
        if (!area.isValid())
            return;
        const QRect frame = FForm->frameGeometry();
        int x = area.x() + (area.width() - frame.width()) / 2;
        int y = area.y() + (area.height() - frame.height()) / 2;
        // A main window near the screen's edge must not push the title bar
        // of a larger window off the screen.
        if (const QScreen* screen = main && FOverMain ? main->screen() : FForm->screen()) {
            const QRect avail = screen->availableGeometry();
            x = std::max(std::min(x, avail.right() + 1 - frame.width()), avail.left());
            y = std::max(std::min(y, avail.bottom() + 1 - frame.height()), avail.top());
        }
        FForm->move(x, y);
    }
};

bool IsOneOf(const QString& key, std::initializer_list<const char*> keys)
{
    return std::any_of(keys.begin(), keys.end(), [&](const char* k) { return key == QLatin1String(k); });
}

} // namespace

TWindowFrame::TWindowFrame(QWidget* form, QString window) : FForm(form), FWindow(std::move(window)) {}

void TWindowFrame::Fail(const QString& property, const QString& what) const
{
    ThrowReadError(FWindow, QString(), property, what);
}

bool TWindowFrame::TakeProperty(const TUiNode& property)
{
    const QString name = property.Attr("name");
    const TUiNode* value = property.Children.empty() ? nullptr : &property.Children.front();
    const QString text = value ? value->Text.trimmed() : QString();
    if (name == QLatin1String("ClientWidth"))
        TakePixels(name, value, FClientWidth);
    else if (name == QLatin1String("ClientHeight"))
        TakePixels(name, value, FClientHeight);
    else if (name == QLatin1String("BorderStyle"))
        TakeBorderStyle(name, text);
    else if (name == QLatin1String("BorderIcons"))
        TakeBorderIcons(name, text);
    else if (name == QLatin1String("Position"))
        TakePosition(name, text);
    else if (name == QLatin1String("Color"))
        TakeColor(name, value);
    else
        return false;
    return true;
}

void TWindowFrame::TakePixels(const QString& property, const TUiNode* value, int& target) const
{
    const std::optional<int> pixels = value ? CountFrom(*value) : std::nullopt;
    if (!pixels)
        Fail(property, QStringLiteral("a number of pixels is expected"));
    target = *pixels;
}

void TWindowFrame::TakeBorderStyle(const QString& property, const QString& text)
{
    FBorderStyle = WithoutScope(text);
    if (!IsOneOf(FBorderStyle, {"bsSingle", "bsSizeable"}))
        Fail(property, QStringLiteral("unknown border style \"%1\"").arg(text));
}

void TWindowFrame::TakeBorderIcons(const QString& property, const QString& text)
{
    FIcons = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& icon : FIcons) {
        icon = WithoutScope(icon.trimmed());
        if (!IsOneOf(icon, {"biSystemMenu", "biMinimize", "biMaximize"}))
            Fail(property, QStringLiteral("unknown border icon \"%1\"").arg(icon));
    }
}

void TWindowFrame::TakePosition(const QString& property, const QString& text)
{
    FPosition = WithoutScope(text);
    if (!IsOneOf(FPosition, {"poDesigned", "poScreenCenter", "poMainFormCenter"}))
        Fail(property, QStringLiteral("unknown position \"%1\"").arg(text));
}

void TWindowFrame::TakeColor(const QString& property, const TUiNode* value) const
{
    const std::optional<TColor> color = value ? ColorFromText(value->Text.trimmed()) : std::nullopt;
    if (!color)
        Fail(property, QStringLiteral("a colour is expected"));
    QPalette pal = FForm->palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(ResolveColor(*color)));
    FForm->setPalette(pal);
}

void TWindowFrame::Apply(QWidget* client) const
{
    ApplyClientSize(client);
    ApplyBorder();
    if (FPosition != QLatin1String("poDesigned"))
        FForm->installEventFilter(new TCentreOnShow(FForm, FPosition == QLatin1String("poMainFormCenter")));
}

void TWindowFrame::ApplyClientSize(QWidget* client) const
{
    if (FClientWidth < 0 && FClientHeight < 0)
        return;
    const QSize size(FClientWidth >= 0 ? FClientWidth : client->width(),
                     FClientHeight >= 0 ? FClientHeight : client->height());
    if (FBorderStyle == QLatin1String("bsSingle"))
        client->setFixedSize(size);
    else
        client->resize(size);
    if (client != FForm)
        FForm->resize(FForm->sizeHint());
}

void TWindowFrame::ApplyBorder() const
{
    const bool single = FBorderStyle == QLatin1String("bsSingle");
    if (single) {
        if (FForm->layout())
            FForm->layout()->setSizeConstraint(QLayout::SetFixedSize);
        else
            FForm->setFixedSize(FForm->size());
    }
    Qt::WindowFlags flags = FForm->windowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (FIcons.contains(QLatin1String("biSystemMenu")))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (FIcons.contains(QLatin1String("biMinimize")))
        flags |= Qt::WindowMinimizeButtonHint;
    if (FIcons.contains(QLatin1String("biMaximize")) && !single)
        flags |= Qt::WindowMaximizeButtonHint;
    FForm->setWindowFlags(flags);
}

} // namespace vorn
