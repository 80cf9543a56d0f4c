// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Smoke.h"

#include "Application.h"
#include "Exceptions.h"
#include "GalleryPage.h"
#include "GalleryWindow.h"
#include "RasterLab.h"
#include "Surface.h"
#include "Surface_p.h"

#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

using namespace vorn;

namespace {

// Long enough for the scrolling labels to take a few steps.
constexpr int PageMilliseconds = 300;

void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Controls of the page that are shown, with some part in view, but have
// never composed a picture (a control is composed when Qt paints it).
int Unpainted(const TGalleryPage& page)
{
    int faults = 0;
    // The surface has no meta-object of its own: the controls are told apart by type.
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const auto* control = dynamic_cast<const TSurface*>(widget);
        if (control && control->isVisible() && !control->visibleRegion().isEmpty() &&
            Compositions(*control) == 0) {
            std::fprintf(stderr, "%s: %s was never painted\n", qPrintable(page.Title()), qPrintable(control->objectName()));
            ++faults;
        }
    }
    return faults;
}

// Dot-matrix labels that stand still with their first column of dots cut,
// as a frame drawn over text that starts on it cuts it: each dot's pixel
// columns are alike (lit, dimmed or background), so the first dot's left
// column must match its right one on every row.
int CutText(const TGalleryPage& page)
{
    int faults = 0;
    for (TRasterLab* label : page.findChildren<TRasterLab*>()) {
        if (!label->isVisible() || label->ScrollMode() != rasterlab::rdsmOff || label->DotSize() < 2)
            continue;
        const QImage& picture = label->Picture();
        const qreal r = picture.devicePixelRatio();
        const int left = int(label->PosX() * r), right = int((label->PosX() + label->DotSize()) * r) - 1;
        for (int y = 0; y < picture.height(); ++y) {
            if (picture.pixel(left, y) != picture.pixel(right, y)) {
                std::fprintf(stderr, "%s: the frame of %s covers its first column of dots\n",
                             qPrintable(page.Title()), qPrintable(label->objectName()));
                ++faults;
                break;
            }
        }
    }
    return faults;
}

} // namespace

int RunSmoke(TfrmGallery& gallery)
{
    int faults = 0;
    Application->OnException = [&faults](QObject* sender, const std::exception& e) {
        const auto* own = dynamic_cast<const Exception*>(&e);
        std::fprintf(stderr, "error report from %s: %s\n", sender ? qPrintable(sender->objectName()) : "(none)",
                     own ? qPrintable(own->Message()) : e.what());
        ++faults;
    };
    gallery.show();
    for (int i = 0; i < gallery.Tabs()->count(); ++i) {
        gallery.Tabs()->setCurrentIndex(i);
        RunEvents(PageMilliseconds);
        gallery.grab();
        faults += Unpainted(*gallery.Pages()[static_cast<size_t>(i)]);
        faults += CutText(*gallery.Pages()[static_cast<size_t>(i)]);
    }
    Application->OnException = nullptr;
    return faults;
}
