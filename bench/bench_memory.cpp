// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Memory per control beside its stock Qt peer: the growth of resident memory
// when 300 controls are made, shown in one window and painted, divided by
// 300. The window's backing store is painted whole before the controls come,
// so it is not counted. Each case runs in a process of its own (this program started again
// with --case), so that one case's heap does not serve the next; every case
// runs several times, alternating with its peer, and the median counts. The
// program prints each pair's ratio against its goal; it measures and never
// fails on a ratio. Run off screen unless QT_QPA_PLATFORM says otherwise.
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace vorn;

namespace {

constexpr int Controls = 300;
constexpr int Runs = 5;

// Resident memory of this process in kilobytes.
long ResidentKb()
{
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Control i of a case in the 800 x 600 window, overlapping the ones before
// it but each partly in view, so that every one is painted; the window's
// backing store is the same for every case and counted before.
void Place(QWidget* c, int i, int w, int h)
{
    c->setGeometry((i % 20) * 30, (i / 20) * 30, w, h);
}

struct TCase
{
    const char* Name;
    // Makes one control with its content, a child of the window.
    std::function<void(QWidget* window, int i)> Make;
};

const TCase Cases[] = {
    {"TNumIO2",
     [](QWidget* w, int i) {
         auto* c = new TNumIO2(w);
         c->SetLeftText(QStringLiteral("Freq"));
         c->SetRightText(QStringLiteral("MHz"));
         c->SetNioValue(7.1 + i);
         Place(c, i, 177, 25);
     }},
    {"QLineEdit",
     [](QWidget* w, int i) {
         auto* c = new QLineEdit(QString::number(7.1 + i, 'f', 2), w);
         Place(c, i, 177, 25);
     }},
    {"TNumLab",
     [](QWidget* w, int i) {
         auto* c = new TNumLab(w);
         c->SetLeftText(QStringLiteral("C"));
         c->SetRightText(QStringLiteral("pF"));
         c->SetLabValue(135.79 + i);
         Place(c, i, 177, 25);
     }},
    {"QLabel/number",
     [](QWidget* w, int i) {
         auto* c = new QLabel(w);
         c->setNum(135.79 + i);
         Place(c, i, 177, 25);
     }},
    {"TRasterLab",
     [](QWidget* w, int i) {
         auto* c = new TRasterLab(w);
         c->SetLabText(QStringLiteral("KORVEL %1").arg(i));
         Place(c, i, 266, 50);
     }},
    {"QLabel/dot-matrix",
     [](QWidget* w, int i) {
         auto* c = new QLabel(QStringLiteral("KORVEL %1").arg(i), w);
         Place(c, i, 266, 50);
     }},
    {"TRotLab",
     [](QWidget* w, int i) {
         auto* c = new TRotLab(w);
         c->SetCaption(QStringLiteral("Coil %1").arg(i));
         c->SetTextAngle(30);
         Place(c, i, 125, 85);
     }},
    {"QLabel/rotated",
     [](QWidget* w, int i) {
         auto* c = new QLabel(QStringLiteral("Coil %1").arg(i), w);
         Place(c, i, 125, 85);
     }},
    // The info window's caption: its size, angle and text, at the label's
    // own font.
    {"TRotLab/info",
     [](QWidget* w, int i) {
         auto* c = new TRotLab(w);
         c->SetCaption(QStringLiteral("Program made by"));
         c->SetTextAngle(30);
         Place(c, i, 346, 146);
     }},
    {"QLabel/info",
     [](QWidget* w, int i) {
         auto* c = new QLabel(QStringLiteral("Program made by"), w);
         Place(c, i, 346, 146);
     }},
};

struct TPair
{
    const char* Project;
    const char* Stock;
    double Goal;
};
const TPair Pairs[] = {
    {"TNumIO2", "QLineEdit", 2.0},
    {"TNumLab", "QLabel/number", 2.0},
    {"TRasterLab", "QLabel/dot-matrix", 4.0},
    {"TRotLab", "QLabel/rotated", 2.0},
    {"TRotLab/info", "QLabel/info", 2.0},
};

// Children made after their window was shown wait for their own show().
void ShowChildren(QWidget& window)
{
    for (QWidget* c : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        c->show();
}

// One case in this process: the window shown and painted empty first, then
// the controls made, shown and painted; prints the growth per control in KB.
int RunCase(const char* name)
{
    const auto it = std::find_if(std::begin(Cases), std::end(Cases),
                                 [name](const TCase& c) { return std::strcmp(c.Name, name) == 0; });
    if (it == std::end(Cases))
        return 2;
    QWidget window;
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
    // A first control of the kind, so that what every control of it shares
    // (fonts, styles, static tables) is not counted per control.
    it->Make(&window, Controls);
    ShowChildren(window);
    QCoreApplication::processEvents();
    window.repaint();
    const long before = ResidentKb();
    for (int i = 0; i < Controls; ++i)
        it->Make(&window, i);
    ShowChildren(window);
    QCoreApplication::processEvents();
    window.repaint();
    QCoreApplication::processEvents();
    const long after = ResidentKb();
    std::printf("%.3f\n", double(after - before) / Controls);
    return 0;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// Starts this program for one case; its growth per control in KB, or a
// negative number when the run failed.
double Measure(const char* name)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--case"), QString::fromLatin1(name)});
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1.0;
    bool ok = false;
    const double kb = QString::fromLatin1(p.readAllStandardOutput()).trimmed().toDouble(&ok);
    return ok ? kb : -1.0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--case") == 0)
        return RunCase(argv[2]);

    std::printf("Growth of resident memory per control, %d controls shown, median of %d runs:\n", Controls, Runs);
    std::printf("%-12s %-18s %10s %10s %7s %7s %s\n", "project", "stock", "project", "stock", "ratio", "goal", "");
    int failed = 0;
    for (const TPair& pair : Pairs) {
        std::vector<double> project, stock;
        for (int run = 0; run < Runs; ++run) {
            project.push_back(Measure(pair.Project));
            stock.push_back(Measure(pair.Stock));
        }
        if (*std::min_element(project.begin(), project.end()) < 0 ||
            *std::min_element(stock.begin(), stock.end()) < 0) {
            std::printf("%-12s %-18s a run failed\n", pair.Project, pair.Stock);
            ++failed;
            continue;
        }
        const double p = Median(project), s = Median(stock);
        const double ratio = s > 0 ? p / s : 0.0;
        std::printf("%-12s %-18s %7.1f KB %7.1f KB %7.2f  <= %.1f  %s   (project %.1f .. %.1f, stock %.1f .. %.1f)\n",
                    pair.Project, pair.Stock, p, s, ratio, pair.Goal, ratio <= pair.Goal ? "met" : "missed",
                    *std::min_element(project.begin(), project.end()),
                    *std::max_element(project.begin(), project.end()),
                    *std::min_element(stock.begin(), stock.end()), *std::max_element(stock.begin(), stock.end()));
    }
    return failed ? 1 : 0;
}
