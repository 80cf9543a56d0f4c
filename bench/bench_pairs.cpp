// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Six pairs, each a project control beside the stock Qt widget doing the same
// visible job, timed by median CPU time per iteration; the program ends with
// the ratio project / stock of every pair against its goal.
//
// Before anything is timed, every pair is run once step by step: each step
// must paint each side exactly once, at once, and nothing more once the
// events it posted have run (the bit-font pair paints nothing and compares
// the matrices made), and both sides must show the same text. A pair that
// fails stops the program with a non-zero status, so that no ratio is ever
// reported for unequal work.
//
// Each side is a class whose constructor builds and shows its widgets, whose
// Step(i) for i < Steps makes one iteration, whose Shown() is what it shows
// as text and whose Paints() counts the paint events of the widget that
// shows it.
//
// On X, with BENCH_X_SERVER_PID naming the X server's process
// (bench/pairs_on_x.sh), each side also counts the server's CPU time per
// iteration ("x_server_us"), and the ratios are given again with it added to
// the program's own.
#include "Application.h"
#include "BenchMain.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "StockMainWindow.h"
#include "XServer.h"
#include "u_frmMain.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDoubleValidator>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace vorn;

namespace {

// --- Shared helpers ----------------------------------------------------------

// Counts the paint events one widget receives.
class TPaintCounter : public QObject
{
public:
    explicit TPaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int Count() const { return FCount; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++FCount;
        return false;
    }

private:
    int FCount = 0;
};

// Shows a top-level widget and waits until the offscreen screen shows it, so
// that repaint() really paints.
void Show(QWidget& w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        std::fprintf(stderr, "a window was not exposed within the time allowed\n");
}

// Shows a top-level widget, makes it the active window and gives it the focus,
// so that it draws its caret or cursor as a user would see it.
void ShowFocused(QWidget& w)
{
    Show(w);
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        std::fprintf(stderr, "a window did not become active within the time allowed\n");
    w.setFocus();
}

// Runs the event loop until `paints` has gone past `before`; false after five
// seconds without a paint.
bool RunUntilPainted(const TPaintCounter& paints, int before)
{
    QElapsedTimer t;
    t.start();
    while (paints.Count() == before) {
        QCoreApplication::processEvents();
        if (t.hasExpired(5000))
            return false;
    }
    return true;
}

// The offscreen platform warns, for every window of fixed size, that it cannot
// pass size hints on. That says nothing about the pairs and would bury the
// report, so only that warning is dropped.
QtMessageHandler PreviousMessageHandler = nullptr;

void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    PreviousMessageHandler(type, context, message);
}

// Exceptions that reached the application's handler from a control.
int& Faults()
{
    static int faults = 0;
    return faults;
}

// --- keystroke: type "5" at the start of "7.100", then Backspace -------------

class TKeystrokeProject
{
public:
    static constexpr int Steps = 2;

    TKeystrokeProject()
    {
        // The main window's frequency field.
        FField.SetWidth(177);
        FField.SetHeight(25);
        FField.SetInFormatType(itFloat);
        FField.SetLeftSpace(65);
        FField.SetLeftText(QStringLiteral("Frequency"));
        FField.SetRightText(QStringLiteral("MHz"));
        FField.SetDecP(3);
        FField.SetRangeLow(0.1);
        FField.SetRangeHigh(1500.0);
        FField.SetNioText(QStringLiteral("7.100"));
        ShowFocused(FField);
        QTest::keyClick(&FField, Qt::Key_Home);
    }
    // The field paints each key itself.
    // The field composes when Qt paints it: the key, then the paint, as
    // the stock side does.
    void Step(int i)
    {
        QTest::keyClick(&FField, i == 0 ? Qt::Key_5 : Qt::Key_Backspace);
        FField.repaint();
    }
    QString Shown() const { return FField.Text(); }
    int Paints() const { return FPaints->Count(); }

private:
    TNumIO2 FField;
    TPaintCounter* FPaints = new TPaintCounter(&FField);
};

class TKeystrokeStock
{
public:
    static constexpr int Steps = 2;

    TKeystrokeStock()
    {
        FEdit.resize(177, 25);
        auto* validator = new QDoubleValidator(&FEdit);
        validator->setLocale(QLocale::c());
        FEdit.setValidator(validator);
        FEdit.setText(QStringLiteral("7.100"));
        ShowFocused(FEdit);
        QTest::keyClick(&FEdit, Qt::Key_Home);
    }
    void Step(int i)
    {
        QTest::keyClick(&FEdit, i == 0 ? Qt::Key_5 : Qt::Key_Backspace);
        FEdit.repaint();
    }
    QString Shown() const { return FEdit.text(); }
    int Paints() const { return FPaints->Count(); }

private:
    QLineEdit FEdit;
    TPaintCounter* FPaints = new TPaintCounter(&FEdit);
};

// --- numeric label: a new value, painted -------------------------------------

// Two values that both sides write alike: three decimals, six digits.
constexpr double LabelValues[2] = {123.456, 654.321};

class TLabelProject
{
public:
    static constexpr int Steps = 1;

    TLabelProject()
    {
        // The value box fills the control, as the framed label does.
        FLab.resize(177, 25);
        FLab.SetLeftSpace(0);
        FLab.SetLabWidth(177);
        FLab.SetDisplayType(dtFixP);
        FLab.SetDecP(3);
        FLab.SetLabValue(LabelValues[1]);
        Show(FLab);
    }
    // The new value, then the paint that composes it.
    void Step(int)
    {
        FLab.SetLabValue(LabelValues[FNext]);
        FLab.repaint();
        FNext ^= 1;
    }
    QString Shown() const { return FLab.DisplayText(); }
    int Paints() const { return FPaints->Count(); }

private:
    TNumLab FLab;
    TPaintCounter* FPaints = new TPaintCounter(&FLab);
    int FNext = 0;
};

class TLabelStock
{
public:
    static constexpr int Steps = 1;

    TLabelStock()
    {
        FLab.resize(177, 25);
        FLab.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        FLab.setAlignment(Qt::AlignCenter);
        FLab.setNum(LabelValues[1]);
        Show(FLab);
    }
    void Step(int)
    {
        FLab.setNum(LabelValues[FNext]);
        FLab.repaint();
        FNext ^= 1;
    }
    QString Shown() const { return FLab.text(); }
    int Paints() const { return FPaints->Count(); }

private:
    QLabel FLab;
    TPaintCounter* FPaints = new TPaintCounter(&FLab);
    int FNext = 0;
};

// --- 100 labels: each given a new value, then one pass of the event loop -----

constexpr int TickLabels = 100;

// A window of TickLabels labels of type Label in ten columns, shown.
template <class Label>
class TTickWindow
{
public:
    template <class Setup>
    explicit TTickWindow(Setup setup)
    {
        FWindow.resize(10 * 180, (TickLabels / 10) * 27);
        for (int i = 0; i < TickLabels; ++i) {
            auto* l = new Label(&FWindow);
            l->setGeometry((i % 10) * 180, (i / 10) * 27, 177, 25);
            setup(*l);
            FLabels.push_back(l);
            FPaints.push_back(new TPaintCounter(l));
        }
        Show(FWindow);
    }
    const std::vector<Label*>& Labels() const { return FLabels; }
    int Paints() const
    {
        int n = 0;
        for (const TPaintCounter* p : FPaints)
            n += p->Count();
        return n;
    }

private:
    QWidget FWindow;
    std::vector<Label*> FLabels;
    std::vector<TPaintCounter*> FPaints;
};

class TTickProject
{
public:
    static constexpr int Steps = 1;

    void Step(int)
    {
        for (TNumLab* l : FWindow.Labels())
            l->SetLabValue(LabelValues[FNext]);
        FNext ^= 1;
        QCoreApplication::processEvents();
    }
    QString Shown() const
    {
        QString all;
        for (const TNumLab* l : FWindow.Labels())
            all += l->DisplayText() + QLatin1Char(' ');
        return all;
    }
    int Paints() const { return FWindow.Paints(); }

private:
    TTickWindow<TNumLab> FWindow{[](TNumLab& l) {
        l.SetLeftSpace(0);
        l.SetLabWidth(177);
        l.SetDisplayType(dtFixP);
        l.SetDecP(3);
        l.SetLabValue(LabelValues[1]);
    }};
    int FNext = 0;
};

class TTickStock
{
public:
    static constexpr int Steps = 1;

    void Step(int)
    {
        for (QLabel* l : FWindow.Labels())
            l->setNum(LabelValues[FNext]);
        FNext ^= 1;
        QCoreApplication::processEvents();
    }
    QString Shown() const
    {
        QString all;
        for (const QLabel* l : FWindow.Labels())
            all += l->text() + QLatin1Char(' ');
        return all;
    }
    int Paints() const { return FWindow.Paints(); }

private:
    TTickWindow<QLabel> FWindow{[](QLabel& l) {
        l.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l.setAlignment(Qt::AlignCenter);
        l.setNum(LabelValues[1]);
    }};
    int FNext = 0;
};

// --- dot-matrix: "Tuning team" painted -------------------------------------

const QString TeamText = QStringLiteral("Tuning team");

class TDotMatrixProject
{
public:
    static constexpr int Steps = 1;

    // Set up as the info window sets up its label.
    TDotMatrixProject()
    {
        FLab.resize(345, 46);
        QFont f(QStringLiteral("default"));
        f.setPixelSize(11);
        FLab.setFont(f);
        FLab.SetAutoHeight(false);
        FLab.SetAutoCenter(false);
        FLab.SetColorLabBakG(clBlack);
        FLab.SetColorDotOn(clLime);
        FLab.SetColorDotOff(0x404040);
        FLab.SetColorScheme(csBWG);
        FLab.SetDotSpacing(1);
        FLab.SetDotSize(3);
        FLab.SetFrameStyle(fsLowered);
        FLab.SetXPos(1);
        FLab.SetYPos(1);
        FLab.SetProportional(true);
        FLab.SetScrollMode(rdsmOff);
        FLab.SetScrollIv(100);
        FLab.SetScrollInc(1);
        FLab.SetScrollLoop(true);
        FLab.SetCharBlockMode(rdbmOn);
        FLab.SetLabText(TeamText);
        Show(FLab);
    }
    void Step(int)
    {
        FLab.Paint();
        FLab.repaint();
    }
    QString Shown() const { return FLab.Text(); }
    int Paints() const { return FPaints->Count(); }

private:
    TRasterLab FLab;
    TPaintCounter* FPaints = new TPaintCounter(&FLab);
};

class TDotMatrixStock
{
public:
    static constexpr int Steps = 1;

    // Lime on black in a lowered frame, as tall as the dot-matrix text.
    TDotMatrixStock()
    {
        FLab.resize(345, 46);
        QFont f = FLab.font();
        f.setPixelSize(36);
        FLab.setFont(f);
        FLab.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        QPalette pal = FLab.palette();
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
        FLab.setPalette(pal);
        FLab.setAutoFillBackground(true);
        FLab.setText(TeamText);
        Show(FLab);
    }
    void Step(int) { FLab.repaint(); }
    QString Shown() const { return FLab.text(); }
    int Paints() const { return FPaints->Count(); }

private:
    QLabel FLab;
    TPaintCounter* FPaints = new TPaintCounter(&FLab);
};

// --- bit font: a character matrix from DejaVu Sans 11 px ---------------------

QFont BitFontSource()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    return f;
}

// The matrix as text: its lit dots, cell and a hash of all of it, so that two
// matrices compare by what they hold.
QString MatrixDigest(const TRDCharMatrix& m)
{
    int dots = 0;
    for (const auto& glyph : m.BitData)
        for (const uint32_t row : glyph)
            dots += std::popcount(row);
    const QByteArray bytes(reinterpret_cast<const char*>(&m), sizeof m);
    const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("%1 dots, %2 x %3, %4")
        .arg(dots)
        .arg(m.FontWidth)
        .arg(m.FontHeight)
        .arg(QString::fromLatin1(hash));
}

// One glyph's 32 x 32 cell read back from the sheet into row masks (bit i is
// column i), with its bounds, growing the matrix's cell to hold it.
void ReadCell(const QImage& sheet, int x0, int y0, int code, TRDCharMatrix& m)
{
    int left = 31, right = 0;
    for (int j = 0; j < 32; ++j) {
        const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(y0 + j)) + x0;
        uint32_t mask = 0;
        for (int i = 0; i < 32; ++i) {
            if (line[i] != 0xFFFFFFFFu) {
                mask |= 1u << i;
                left = std::min(left, i);
                right = std::max(right, i);
            }
        }
        m.BitData[code][j] = mask;
        if (mask != 0)
            m.FontHeight = std::max(m.FontHeight, j + 1);
    }
    m.LeftMostBit[code] = uint8_t(left);
    m.RightMostBit[code] = uint8_t(right);
    m.FontWidth = std::max(m.FontWidth, right - left + 1);
}

// The same matrix made the stock way: one painter draws the 224 glyphs, each
// with its cell's top-left corner at the top-left of its own place on a
// sheet, and each 32 x 32 cell is read back. Places are 40 pixels apart, so
// that no glyph's overhang reaches a neighbour's cell.
TRDCharMatrix StockBitFont(const QFont& font)
{
    constexpr int Pitch = 40, Columns = 16, Glyphs = 224;
    QImage sheet(Columns * Pitch, Glyphs / Columns * Pitch, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    {
        QPainter p(&sheet);
        p.setFont(font);
        p.setPen(Qt::black);
        const int ascent = QFontMetrics(font, &sheet).ascent();
        for (int k = 0; k < Glyphs; ++k)
            p.drawText(k % Columns * Pitch, k / Columns * Pitch + ascent, QString(QChar(32 + k)));
    }
    TRDCharMatrix m;
    for (int k = 0; k < Glyphs; ++k)
        ReadCell(sheet, k % Columns * Pitch, k / Columns * Pitch, 32 + k, m);
    // The space is half as wide as the widest glyph, as the control has it.
    m.LeftMostBit[32] = 0;
    m.RightMostBit[32] = uint8_t(m.FontWidth / 2);
    return m;
}

class TBitFontProject
{
public:
    static constexpr int Steps = 1;
    void Step(int) { FMatrix = TRasterLab::CreateBitFont(&FFont, clBlack); }
    QString Shown() const { return MatrixDigest(FMatrix); }
    // Nothing is painted on a screen: the matrix is the result.
    int Paints() const { return 0; }

private:
    QFont FFont = BitFontSource();
    TRDCharMatrix FMatrix;
};

class TBitFontStock
{
public:
    static constexpr int Steps = 1;
    void Step(int) { FMatrix = StockBitFont(FFont); }
    QString Shown() const { return MatrixDigest(FMatrix); }
    int Paints() const { return 0; }

private:
    QFont FFont = BitFontSource();
    TRDCharMatrix FMatrix;
};

// --- rotated label: "Program made by" at 30 degrees, repainted ---------------

const QString RotatedText = QStringLiteral("Program made by");
constexpr int RotatedAngle = 30;

// The info window's caption font.
QFont RotatedFont()
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(27);
    f.setBold(true);
    return f;
}

class TRotatedProject
{
public:
    static constexpr int Steps = 1;

    // Set up as the info window sets up its caption, over the window.
    TRotatedProject()
    {
        FWindow.resize(362, 253);
        FLab->setGeometry(8, 16, 346, 146);
        FLab->setFont(RotatedFont());
        FLab->SetAlignment(taCenter);
        FLab->SetAntiAlias(true);
        FLab->SetAutoCenter(true);
        FLab->SetCaption(RotatedText);
        FLab->SetFrameStyle(fsNone);
        FLab->SetTextPosX(173);
        FLab->SetTextPosY(73);
        FLab->SetTextAngle(RotatedAngle);
        FLab->SetTransparent(true);
        Show(FWindow);
    }
    // Composes the picture again and shows it, as any change of the label
    // does; a plain repaint() would only copy the last picture.
    void Step(int)
    {
        FLab->Paint();
        FLab->repaint();
    }
    QString Shown() const { return FLab->Caption(); }
    int Paints() const { return FPaints->Count(); }

private:
    QWidget FWindow;
    TRotLab* FLab = new TRotLab(&FWindow);
    TPaintCounter* FPaints = new TPaintCounter(FLab);
};

// Text turned about the widget's centre the stock way: the painter rotates
// and draws, anti-aliased, over the parent's background.
class TTurnedText : public QWidget
{
public:
    using QWidget::QWidget;
    QString Text;
    int Angle = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        p.rotate(-Angle);
        const QFontMetrics fm = fontMetrics();
        p.drawText(QPointF(-fm.horizontalAdvance(Text) / 2.0, (fm.ascent() - fm.descent()) / 2.0), Text);
    }
};

class TRotatedStock
{
public:
    static constexpr int Steps = 1;

    TRotatedStock()
    {
        FWindow.resize(362, 253);
        FText->setGeometry(8, 16, 346, 146);
        QFont f = RotatedFont();
        f.setStyleStrategy(QFont::PreferAntialias);
        FText->setFont(f);
        FText->Text = RotatedText;
        FText->Angle = RotatedAngle;
        Show(FWindow);
    }
    void Step(int) { FText->repaint(); }
    QString Shown() const { return FText->Text; }
    int Paints() const { return FPaints->Count(); }

private:
    QWidget FWindow;
    TTurnedText* FText = new TTurnedText(&FWindow);
    TPaintCounter* FPaints = new TPaintCounter(FText);
};

// --- start-up: build the main window, show it until painted, delete it -------

// The texts the main window shows at start: frequency, L, XL, C, the button.
QString StartTexts(const QString& f, const QString& l, const QString& xl, const QString& c, const QString& button)
{
    return QStringList{f, l, xl, c, button}.join(QStringLiteral(" | "));
}

class TStartupProject
{
public:
    static constexpr int Steps = 1;

    void Step(int)
    {
        auto* w = new TfrmMain;
        auto* paints = new TPaintCounter(w);
        w->show();
        FPainted = RunUntilPainted(*paints, 0) ? paints->Count() : 0;
        FShown = StartTexts(w->nioFreq->Text(), w->nioL->Text(), w->nioXL->Text(), w->nlC->DisplayText(),
                            w->btnExit->text());
        FPaints += FPainted;
        delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString Shown() const { return FShown; }
    int Paints() const { return FPaints; }

private:
    int FPainted = 0;
    int FPaints = 0;
    QString FShown;
};

// The stock main window (StockMainWindow.h), built, shown until painted and
// deleted as the project's is.
class TStartupStock
{
public:
    static constexpr int Steps = 1;

    void Step(int)
    {
        auto* w = new TStockMainWindow;
        auto* paints = new TPaintCounter(w);
        w->show();
        FPainted = RunUntilPainted(*paints, 0) ? paints->Count() : 0;
        FShown = StartTexts(w->Freq->text(), w->L->text(), w->XL->text(), w->C->text(), w->Exit->text());
        FPaints += FPainted;
        delete w;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString Shown() const { return FShown; }
    int Paints() const { return FPaints; }

private:
    int FPainted = 0;
    int FPaints = 0;
    QString FShown;
};

// --- Checks and timing -------------------------------------------------------

// One iteration of both sides, step by step. Each step must paint each side
// exactly `paintsPerStep` times at once, and nothing more once the events it
// posted have run (a paint that was only posted would be skipped while
// timing); then both sides must show the same text. Returns what differed,
// or an empty string.
template <class Project, class Stock>
QString CheckPair(int paintsPerStep)
{
    static_assert(Project::Steps == Stock::Steps);
    Project project;
    Stock stock;
    // Whatever showing the windows left to do is done before counting.
    QTest::qWait(20);
    const int faults = Faults();
    for (int i = 0; i < Project::Steps; ++i) {
        const int projectBefore = project.Paints(), stockBefore = stock.Paints();
        project.Step(i);
        stock.Step(i);
        const int projectNow = project.Paints() - projectBefore, stockNow = stock.Paints() - stockBefore;
        QCoreApplication::processEvents();
        const int projectAll = project.Paints() - projectBefore, stockAll = stock.Paints() - stockBefore;
        if (projectNow != paintsPerStep || projectAll != paintsPerStep || stockNow != paintsPerStep ||
            stockAll != paintsPerStep)
            return QStringLiteral("step %1: paints at once and in all: project %2 and %3, stock Qt %4 and %5; %6 "
                                  "expected")
                .arg(i + 1)
                .arg(projectNow)
                .arg(projectAll)
                .arg(stockNow)
                .arg(stockAll)
                .arg(paintsPerStep);
        if (project.Shown() != stock.Shown())
            return QStringLiteral("step %1: the project shows \"%2\", stock Qt \"%3\"")
                .arg(i + 1)
                .arg(project.Shown(), stock.Shown());
        if (Faults() != faults)
            return QStringLiteral("step %1: the control reported an error").arg(i + 1);
    }
    return {};
}

// The X server's process, when BENCH_X_SERVER_PID names one whose CPU time
// can be read.
std::optional<pid_t> XServerPid()
{
    static const std::optional<pid_t> pid = []() -> std::optional<pid_t> {
        bool ok = false;
        const int value = qEnvironmentVariableIntValue("BENCH_X_SERVER_PID", &ok);
        if (!ok || value <= 0 || !ProcessCpuSeconds(value))
            return std::nullopt;
        return value;
    }();
    return pid;
}

const char* const XServerCounter = "x_server_us";

// Times Side's steps. With an X server to watch, its CPU time is read before
// and after the loop, each time once it has handled all the program sent, so
// that its work for the last iterations is not left out (nor that of
// building the side counted).
template <class Side>
void TimeSide(benchmark::State& state)
{
    Side side;
    std::optional<double> serverBefore;
    if (const std::optional<pid_t> server = XServerPid()) {
        WaitForXServer();
        serverBefore = ProcessCpuSeconds(*server);
    }
    for (auto _ : state)
        for (int i = 0; i < Side::Steps; ++i)
            side.Step(i);
    if (serverBefore) {
        WaitForXServer();
        if (const std::optional<double> after = ProcessCpuSeconds(*XServerPid()))
            state.counters[XServerCounter] =
                benchmark::Counter((*after - *serverBefore) * 1e6, benchmark::Counter::kAvgIterations);
    }
}

struct TPair
{
    const char* Name;
    double Goal; // project / stock at most
    void (*Project)(benchmark::State&);
    void (*Stock)(benchmark::State&);
    QString (*Check)();
};

template <class Project, class Stock, int PaintsPerStep>
constexpr TPair MakePair(const char* name, double goal)
{
    return {name, goal, &TimeSide<Project>, &TimeSide<Stock>, [] { return CheckPair<Project, Stock>(PaintsPerStep); }};
}

const TPair Pairs[] = {
    MakePair<TKeystrokeProject, TKeystrokeStock, 1>("keystroke", 0.3),
    MakePair<TLabelProject, TLabelStock, 1>("numeric label", 1.0),
    MakePair<TTickProject, TTickStock, TickLabels>("100 labels", 1.2),
    MakePair<TDotMatrixProject, TDotMatrixStock, 1>("dot-matrix", 2.0),
    MakePair<TBitFontProject, TBitFontStock, 0>("bit font", 1.5),
    MakePair<TRotatedProject, TRotatedStock, 1>("rotated label", 1.2),
    MakePair<TStartupProject, TStartupStock, 1>("start-up", 1.2),
};

std::string BenchName(const TPair& pair, const char* side)
{
    std::string name = pair.Name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name + "/" + side;
}

// One measure of every benchmark: the "median" aggregate when there are
// repetitions, else the median of the runs.
class TMedians
{
public:
    void Add(const std::string& name, bool isMedian, double value)
    {
        if (isMedian)
            FMedians[name] = value;
        else
            FSamples[name].push_back(value);
    }

    // NaN for a benchmark that did not report the measure.
    double Median(const std::string& name) const
    {
        if (const auto m = FMedians.find(name); m != FMedians.end())
            return m->second;
        const auto s = FSamples.find(name);
        if (s == FSamples.end() || s->second.empty())
            return std::numeric_limits<double>::quiet_NaN();
        std::vector<double> v = s->second;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

private:
    std::map<std::string, std::vector<double>> FSamples;
    std::map<std::string, double> FMedians;
};

// The console report, and the median CPU time of every benchmark, with the X
// server's where it was counted.
class TPairReporter : public benchmark::ConsoleReporter
{
public:
    TPairReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Color : OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs) {
            if (r.error_occurred)
                continue;
            const bool isMedian = r.run_type != Run::RT_Iteration;
            if (isMedian && r.aggregate_name != "median")
                continue;
            const std::string& name = r.run_name.function_name;
            FCpu.Add(name, isMedian, r.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(r.time_unit));
            if (const auto x = r.counters.find(XServerCounter); x != r.counters.end())
                FXServer.Add(name, isMedian, x->second.value * 1e-6);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration; NaN for a benchmark that did not run.
    double Median(const std::string& name) const { return FCpu.Median(name); }
    // The X server's seconds per iteration; NaN where they were not counted.
    double XServerMedian(const std::string& name) const { return FXServer.Median(name); }

private:
    TMedians FCpu;
    TMedians FXServer;
};

void PrintRatios(const TPairReporter& reporter)
{
    std::printf("\nMedian CPU time of one iteration, project / stock Qt:\n");
    std::printf("%-14s %12s %12s %7s %8s\n", "pair", "project", "stock", "ratio", "goal");
    for (const TPair& p : Pairs) {
        const double project = reporter.Median(BenchName(p, "project"));
        const double stock = reporter.Median(BenchName(p, "stock"));
        if (std::isnan(project) || std::isnan(stock)) {
            std::printf("%-14s %12s %12s %7s %8s\n", p.Name, "-", "-", "-", "not run");
            continue;
        }
        const double ratio = project / stock;
        std::printf("%-14s %9.1f us %9.1f us %7.2f  <= %.1f  %s\n", p.Name, project * 1e6, stock * 1e6, ratio, p.Goal,
                    ratio <= p.Goal ? "met" : "missed");
    }
    if (!XServerPid())
        return;
    // The sums of the two medians: with aggregates only, the repetitions
    // themselves are not reported.
    std::printf("\nMedian CPU time of one iteration, the program's + the X server's, project / stock Qt:\n");
    std::printf("%-14s %22s %22s %7s %8s\n", "pair", "project", "stock", "ratio", "goal");
    for (const TPair& p : Pairs) {
        const std::string projectName = BenchName(p, "project"), stockName = BenchName(p, "stock");
        const double project = reporter.Median(projectName), projectX = reporter.XServerMedian(projectName);
        const double stock = reporter.Median(stockName), stockX = reporter.XServerMedian(stockName);
        if (std::isnan(project + projectX + stock + stockX))
            continue;
        const double ratio = (project + projectX) / (stock + stockX);
        std::printf("%-14s %8.1f + %8.1f us %8.1f + %8.1f us %7.2f  <= %.1f  %s\n", p.Name, project * 1e6,
                    projectX * 1e6, stock * 1e6, stockX * 1e6, ratio, p.Goal, ratio <= p.Goal ? "met" : "missed");
    }
}

// Checks every pair, then times them and prints the ratios. Non-zero when a
// pair does not do the same work on both sides or a control reported an
// error while being timed.
int RunPairs()
{
    PreviousMessageHandler = qInstallMessageHandler(DropSizeHintWarnings);
    Application->OnException = [](QObject*, const std::exception& e) {
        ++Faults();
        std::fprintf(stderr, "error reported by a control: %s\n", e.what());
    };
    if (!qEnvironmentVariableIsEmpty("BENCH_X_SERVER_PID")) {
        if (const std::optional<pid_t> server = XServerPid())
            std::printf("X server: process %d, its CPU time counted%s\n", int(*server),
                        CanWaitForXServer() ? ", read after a round trip" : " without waiting for it (not on xcb)");
        else
            std::fprintf(stderr, "BENCH_X_SERVER_PID: no process whose CPU time can be read; not counted\n");
    }
    bool same = true;
    for (const TPair& p : Pairs) {
        const QString fault = p.Check();
        const QString verdict = fault.isEmpty() ? QStringLiteral("yes") : QStringLiteral("NO: ") + fault;
        std::printf("same work, %-14s %s\n", p.Name, qPrintable(verdict));
        same = same && fault.isEmpty();
    }
    std::fflush(stdout);
    if (!same) {
        std::fprintf(stderr, "A pair does not do the same visible work on both sides; nothing was timed.\n");
        return 1;
    }
    for (const TPair& p : Pairs) {
        benchmark::RegisterBenchmark(BenchName(p, "project").c_str(), p.Project)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(BenchName(p, "stock").c_str(), p.Stock)->Unit(benchmark::kMicrosecond);
    }
    const int faults = Faults();
    TPairReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    return Faults() == faults ? 0 : 1;
}

// Nine repetitions in random order, so that a burst of load elsewhere on the
// machine falls on both sides of a pair alike and the medians pass over it.
[[maybe_unused]] const bool Installed = [] {
    BenchProgram().DefaultFlags = {"--benchmark_repetitions=9", "--benchmark_enable_random_interleaving=true",
                                   "--benchmark_display_aggregates_only=true"};
    BenchProgram().Run = RunPairs;
    return true;
}();

} // namespace
