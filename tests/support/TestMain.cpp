// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The main of every test program: Qt on the offscreen platform (unless the
// environment chooses another), with a fixed palette and an installed font,
// and exceptions from event handlers recorded instead of shown.
#include "Application.h"
#include "Exceptions.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyleFactory>

#include <gtest/gtest.h>

using namespace vorn;

std::vector<QString>& Reports()
{
    static std::vector<QString> reports;
    return reports;
}

void ClearReports()
{
    Reports().clear();
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Button, QColor::fromRgb(TestButtonFace));
    pal.setColor(QPalette::Window, QColor::fromRgb(TestButtonFace));
    pal.setColor(QPalette::Dark, QColor::fromRgb(TestDark));
    pal.setColor(QPalette::Light, QColor::fromRgb(TestLight));
    pal.setColor(QPalette::WindowText, QColor::fromRgb(TestWindowText));
    QApplication::setPalette(pal);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    Application->OnException = [](QObject*, const std::exception& e) {
        const auto* own = dynamic_cast<const Exception*>(&e);
        Reports().push_back(own ? own->Message() : QString::fromUtf8(e.what()));
    };

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
