#include "Smoke.h"

#include "Application.h"
#include "Exceptions.h"
#include "GalleryPage.h"
#include "GalleryWindow.h"
#include "Surface.h"

#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// Long enough for the scrolling labels to take a few steps.
constexpr int PageMilliseconds = 300;

void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Controls of the page that are shown but have never composed a picture.
int Unpainted(const TGalleryPage& page)
{
    int faults = 0;
    // The surface has no meta-object of its own: the controls are told apart by type.
    for (const QWidget* widget : page.findChildren<QWidget*>()) {
        const auto* control = dynamic_cast<const TSurface*>(widget);
        if (control && control->isVisible() && control->Compositions() == 0) {
            std::fprintf(stderr, "%s: %s was never painted\n", qPrintable(page.Title()), qPrintable(control->objectName()));
            ++faults;
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
    }
    Application->OnException = nullptr;
    return faults;
}
