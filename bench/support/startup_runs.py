# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
"""Starts two programs alternately on a running X server and compares their
time to the first frame.

Both end at their first frame (bench/startup/FirstFrameProbe.cpp); what each
took is printed with the ratios project / stock. Called by
bench/startup_on_x.sh; Python's standard library only.

Per run: the wall time from just before the process is started to its first
frame (time.monotonic_ns is CLOCK_MONOTONIC, as the probe's steady_clock is),
the process's CPU time at that point, and the X server's CPU time from just
before the start until the process has ended and the server has had a moment
to drop the connection: from /proc/<pid>/stat in clock ticks, and where the
kernel keeps scheduler statistics also from /proc/<pid>/task/*/schedstat in
nanoseconds, fine enough for one run."""

import argparse
import glob
import os
import statistics
import subprocess
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")


def server_ticks(pid):
    """The X server's user + system time in clock ticks."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rpartition(")")[2].split()
    # fields[0] is field 3 of the file (the state); utime and stime are 14, 15.
    return int(fields[11]) + int(fields[12])


def server_ns(pid):
    """The X server's time on a CPU in nanoseconds, all its threads; None
    without scheduler statistics."""
    try:
        total = 0
        for path in glob.glob(f"/proc/{pid}/task/*/schedstat"):
            with open(path) as f:
                total += int(f.read().split()[0])
        return total or None
    except (OSError, ValueError):
        return None


def run_once(program, env, server_pid, timeout):
    """One start: (wall ms, CPU ms, X server ticks, X server ns or None), or
    an error text."""
    before, before_ns = server_ticks(server_pid), server_ns(server_pid)
    start = time.monotonic_ns()
    try:
        done = subprocess.run([program], env=env, stdin=subprocess.DEVNULL, capture_output=True,
                              text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return f"{program}: no first frame within {timeout} s"
    # Closing the connection is the server's work for this run too.
    time.sleep(0.05)
    ticks = server_ticks(server_pid) - before
    after_ns = server_ns(server_pid)
    ns = after_ns - before_ns if before_ns is not None and after_ns is not None else None
    line = next((l for l in done.stdout.splitlines() if l.startswith("first-frame ")), None)
    if done.returncode != 0 or line is None:
        how = f"killed by signal {-done.returncode}" if done.returncode < 0 else f"ended with status {done.returncode}"
        return f"{program}: {how} without reaching its first frame\n" + done.stderr.strip()
    values = dict(item.split("=", 1) for item in line.split()[1:])
    wall_ms = (int(values["steady_ns"]) - start) / 1e6
    return wall_ms, int(values["cpu_ns"]) / 1e6, ticks, ns


def spread(values):
    """Median, quartiles and range as text."""
    q1, median, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return median, f"{median:8.1f}  {q1:7.1f}-{q3:<7.1f}  {min(values):7.1f}-{max(values):<7.1f}"


def main():
    parser = argparse.ArgumentParser(description=" ".join(__doc__.split("\n\n")[0].split()))
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--warmup", type=int, default=1, help="starts per side before the counted ones")
    parser.add_argument("--server-pid", type=int, required=True)
    parser.add_argument("--goal", type=float, default=1.05)
    parser.add_argument("project")
    parser.add_argument("stock")
    args = parser.parse_args()
    if args.runs < 2:
        parser.error("--runs: at least 2, for quartiles")

    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    sides = {"project": args.project, "stock": args.stock}
    results = {side: [] for side in sides}
    for i in range(args.warmup + args.runs):
        # Each pair of starts in the other order from the last, so that a
        # drift in the machine's load falls on both sides alike.
        for side in (("project", "stock") if i % 2 == 0 else ("stock", "project")):
            result = run_once(sides[side], env, args.server_pid, timeout=60)
            if isinstance(result, str):
                print(result, file=sys.stderr)
                return 1
            if i >= args.warmup:
                results[side].append(result)

    tick_ms = 1000 / TICKS
    print(f"{args.runs} starts per side, alternating, after {args.warmup} uncounted; display {env.get('DISPLAY')}")
    fine = all(r[3] is not None for side in sides for r in results[side])
    print(f"X server CPU from /proc/{args.server_pid}/stat in clock ticks of {tick_ms:g} ms (one run's is a whole "
          "number of ticks: the mean over all runs is the usable figure)"
          + (", and from its schedstat in ns" if fine else "; no schedstat"))
    print()
    print(f"{'':40} {'median':>8}  {'quartiles':<15}  {'min-max':<15}  {'mean':>7}")
    medians, means = {}, {}
    for side in sides:
        runs = results[side]
        columns = {
            "wall ms to first frame": [r[0] for r in runs],
            "process CPU ms": [r[1] for r in runs],
            "X server CPU ms": [r[2] * tick_ms for r in runs],
        }
        if fine:
            columns["X server CPU ms, schedstat"] = [r[3] / 1e6 for r in runs]
        for name, values in columns.items():
            medians[side, name], text = spread(values)
            means[side, name] = statistics.fmean(values)
            print(f"{side + ', ' + name:40} {text}  {means[side, name]:7.1f}")
    print()
    print(f"project / stock (goal <= {args.goal:g}):")
    ratios = [
        ("wall to first frame, medians", medians["project", "wall ms to first frame"]
         / medians["stock", "wall ms to first frame"]),
        ("process CPU, medians", medians["project", "process CPU ms"] / medians["stock", "process CPU ms"]),
    ]
    for source in ["X server CPU ms"] + (["X server CPU ms, schedstat"] if fine else []):
        label = "X server CPU" + source[len("X server CPU ms"):]
        if means["stock", source] > 0:
            ratios.append((label + ", means", means["project", source] / means["stock", source]))
        ratios.append(("process + " + label + ", means",
                       (means["project", "process CPU ms"] + means["project", source])
                       / (means["stock", "process CPU ms"] + means["stock", source])))
    for name, ratio in ratios:
        print(f"  {name:40} {ratio:6.3f}  {'met' if ratio <= args.goal else 'missed'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
