// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "XServer.h"

#include <QGuiApplication>

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#ifdef KORVEL_BENCH_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

#ifdef KORVEL_BENCH_XCB
xcb_connection_t* XConnection()
{
    if (!qGuiApp)
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
#endif

} // namespace

bool CanWaitForXServer()
{
#ifdef KORVEL_BENCH_XCB
    return XConnection() != nullptr;
#else
    return false;
#endif
}

void WaitForXServer()
{
#ifdef KORVEL_BENCH_XCB
    // Any request with a reply will do: the server answers requests in order.
    if (xcb_connection_t* c = XConnection())
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
#endif
}

std::optional<double> ProcessCpuSeconds(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return std::nullopt;
    // The command name (field 2) is in parentheses and may hold spaces; the
    // fields after it start with the state (field 3); utime and stime are
    // fields 14 and 15.
    const size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string skipped;
    for (int field = 3; field < 14; ++field)
        fields >> skipped;
    unsigned long long utime = 0, stime = 0;
    if (!(fields >> utime >> stime))
        return std::nullopt;
    const long ticks = sysconf(_SC_CLK_TCK);
    return ticks > 0 ? std::optional<double>(double(utime + stime) / double(ticks)) : std::nullopt;
}
