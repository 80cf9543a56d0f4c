// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// A seeded stream of random user events on the calculator's real windows:
// keys, clicks, drags, pastes of random clipboard texts (now and then 1 MB
// long), caret ticks, the Info window and the menu. After every event the
// program's invariants are checked: the event returned and the event loop
// still processes posted events, every field's text is valid for its input
// format, L, XL and C agree with the formulas after each change, and every
// exception reached the application's error report. A screen reader's
// edits and value writes come in through the accessibility interfaces,
// and the controls' accessibility events are read as one would read them.
#include "Oracle.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class QWidget;
namespace vorn {
class TNumIO2;
}
using vorn::TNumIO2;

namespace chaos {

struct Options
{
    uint64_t Seed = 1;
    uint64_t Events = 3000;
    int BigPerMille = 30;    // clipboard texts that are 1 MB long, per thousand
    bool FreqPastes = false; // every paste event clicks into Frequency first
    bool Verbose = false;    // print every event as it is sent
};

struct Counts
{
    uint64_t Keys = 0, Clicks = 0, Drags = 0, Hovers = 0, Pastes = 0, BigPastes = 0, Ticks = 0;
    uint64_t InfoShown = 0, Moves = 0, Restarts = 0, Skipped = 0, Changes = 0, Reports = 0;
    uint64_t Assistive = 0, AccessibleEvents = 0;
};

class Runner : public QObject
{
public:
    explicit Runner(const Options& options);
    ~Runner() override;

    // Runs the stream; false after the first failed invariant (printed with
    // the trail and the replay command).
    bool Run();
    const Counts& Totals() const { return FCounts; }

protected:
    // The Info window's show starts its modal loop: the stream goes on inside.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The probe posted after each event.
    void customEvent(QEvent* event) override;

private:
    struct Snapshot
    {
        QString F, L, XL;
        double C = 0;
        size_t Faults = 0;
    };

    // The loop.
    void Step();
    void RunModal();
    void Dispatch();
    void Announce(const std::string& what);
    void OpenWindows();
    void CloseWindows();

    // Event kinds (Events.cpp).
    void Key();
    void Click(bool twice);
    void Drag();
    void Hover();
    void Paste();
    void SetClipboard();
    void Tick();
    void Info();
    void MoveWindow();
    void Restart();
    void Assistive();
    QWidget* Reachable() const;
    QWidget* KeyTarget() const;
    QPoint RandomPoint(QWidget* window);
    bool EndsProgram(QWidget* target, QPoint local) const;

    // Clipboard texts (Texts.cpp).
    QString ClipText();
    QString BigText();
    QString ShortNumber();
    QString Junk(int length);
    QChar Digit();

    // Invariants (Checks.cpp).
    Snapshot Take() const;
    bool Check(const Snapshot& before);
    bool CheckWindows(const Snapshot* before, const TNumIO2* edited);
    QString TextOf(const Snapshot& s, const TNumIO2* f) const;
    bool CheckHandler(TNumIO2* changed, const Snapshot* before, const std::vector<Fault>& faults);
    bool Fail(const std::string& why);

    uint64_t Below(uint64_t n) { return n == 0 ? 0 : FRng() % n; }
    bool Chance(int perMille) { return Below(1000) < uint64_t(perMille); }

    Options FOpt;
    std::mt19937_64 FRng;
    uint64_t FIndex = 0;   // next event
    uint64_t FCurrent = 0; // event being sent
    Counts FCounts;
    std::vector<TNumIO2*> FChanged; // fields that raised OnChange in this event
    std::vector<Fault> FFaults;     // every exception the error report got
    std::vector<std::string> FOther; // messages of the unexpected kinds
    bool FStartup = false;          // the event restarted the program
    QHash<const TNumIO2*, QString> FWritten; // texts last written by the window, not typed
    const TNumIO2* FValueWritten = nullptr;  // field whose Value a screen reader wrote
    uint64_t FProbesSent = 0, FProbesSeen = 0;
    bool FFailed = false;
};

// The field's text in a trail line: its length and its first characters.
std::string Describe(const QString& text);

} // namespace chaos
