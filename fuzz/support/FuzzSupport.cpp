// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FuzzSupport.h"

#include "Application.h"
#include "Exceptions.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QStyleFactory>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace vorn;

void StartQt()
{
    // Never destroyed: at the fuzzer's exit Qt's own globals are gone
    // before a static's destructor would run.
    static QApplication* app = nullptr;
    if (app)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    // The font machinery loads once, here, rather than within the first
    // input that measures a text.
    QFontMetrics(font).horizontalAdvance(QStringLiteral("0"));
    // An exception that reaches an event handler's boundary is the program's
    // report, a message box; the fuzz targets count it as handled.
    Application->OnException = [](QObject*, const std::exception& e) {
        if (!dynamic_cast<const Exception*>(&e))
            FuzzFail("an event handler threw an exception of no project class", QString::fromUtf8(e.what()));
    };
}

void FuzzFail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "\n*** property broken: %s\n*** %s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

QString ConsumeText(FuzzedDataProvider& in, size_t maxLength)
{
    static constexpr char Alphabet[] = "0123456789+-.,eE $%&aAbBcCdDfFxX'\"hHmMnNsSyYzZ/:pP*g%";
    const uint8_t mode = in.ConsumeIntegral<uint8_t>() % 4;
    const std::string bytes = in.ConsumeRandomLengthString(mode == 1 ? 2 * maxLength : maxLength);
    switch (mode) {
    case 0: return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    case 1: {
        QString s;
        for (size_t i = 0; i + 1 < bytes.size(); i += 2)
            s += QChar(static_cast<char16_t>(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8));
        return s;
    }
    default: {
        QString s;
        for (const char b : bytes)
            s += QLatin1Char(Alphabet[uint8_t(b) % (sizeof Alphabet - 1)]);
        return s;
    }
    }
}

double ConsumeAnyDouble(FuzzedDataProvider& in)
{
    using limits = std::numeric_limits<double>;
    static constexpr double Special[] = {0.0, -0.0, 1.0, -1.0, 0.5, limits::max(), -limits::max(),
                                         limits::min(), limits::denorm_min(), limits::infinity(),
                                         -limits::infinity(), limits::quiet_NaN(), 2147483647.5, -2147483648.5,
                                         4294967295.0, 9.2233720368547758e18, 6.646139978924579e35, 1.7e308};
    const uint8_t pick = in.ConsumeIntegral<uint8_t>();
    if (pick < sizeof Special / sizeof Special[0])
        return Special[pick];
    if (pick < 128)
        return in.ConsumeFloatingPointInRange(-1e6, 1e6);
    const uint64_t bits = in.ConsumeIntegral<uint64_t>();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

int ConsumeAnyInt(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegral<uint8_t>() % 8) {
    case 0: return std::numeric_limits<int>::min();
    case 1: return std::numeric_limits<int>::max();
    case 2: return 0;
    case 3: return in.ConsumeIntegral<int>();
    default: return in.ConsumeIntegralInRange(-300, 300);
    }
}

QString Quoted(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : s) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + QLatin1Char('"');
}

bool Converts(const std::function<void()>& convert)
{
    try {
        convert();
        return true;
    } catch (const Exception& e) {
        FUZZ_CHECK(!e.Message().isEmpty(), QStringLiteral("an exception without a message"));
        return false;
    }
}
