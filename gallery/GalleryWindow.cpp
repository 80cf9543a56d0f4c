#include "GalleryWindow.h"

#include "ControlClasses.h"
#include "FormRegistry.h"
#include "Pages.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QTabWidget>

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
    resize(1240, 800);
}

void TfrmGallery::AddPage(TGalleryPage* page)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    FTabs->addTab(scroll, page->Title());
    FPages.push_back(page);
}
