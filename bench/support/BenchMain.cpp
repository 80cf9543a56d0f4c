// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The main of every benchmark program: Qt on the offscreen platform (unless
// the environment chooses another), then Google Benchmark.
#include "BenchMain.h"

#include <QApplication>

#include <benchmark/benchmark.h>

TBenchProgram& BenchProgram()
{
    static TBenchProgram program;
    return program;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The program's default flags go right after its name, so that the
    // command line's own come later and win.
    std::vector<std::string> flags = BenchProgram().DefaultFlags;
    std::vector<char*> args{argv[0]};
    for (std::string& f : flags)
        args.push_back(f.data());
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    int status = 0;
    if (BenchProgram().Run)
        status = BenchProgram().Run();
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return status;
}
