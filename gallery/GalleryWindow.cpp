// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "GalleryWindow.h"

#include "ControlClasses.h"
#include "FormRegistry.h"
#include "Pages.h"

#include <QGroupBox>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

using namespace vorn;

TfrmGallery* frmGallery = nullptr;

TfrmGallery::TfrmGallery(QWidget* parent) : QMainWindow(parent), FTabs(new QTabWidget(this))
{
    RegisterControlClasses();
    // The pages group their controls in boxes.
    RegisterControl<QGroupBox>(QStringLiteral("QGroupBox"));
    setObjectName(QStringLiteral("frmGallery"));
    setWindowTitle(QStringLiteral("Vorn Gallery"));
    setCentralWidget(FTabs);
    AddPage(new TNumIOPage);
    AddPage(new TNumLabPage);
    AddPage(new TRasterLabPage);
    AddPage(new TRotLabPage);
    AddPage(new TFramesPage);
    AddPage(new TColoursPage);
    // Every page whole where the screen allows, else as much as it holds.
    QSize size(1226, 640);
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size());
    resize(size);
}

void TfrmGallery::AddPage(TGalleryPage* page)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    FTabs->addTab(scroll, page->Title());
    FPages.push_back(page);
}
