#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
"""vorn_core is built without Qt Widgets.

    core_without_widgets.py <build folder> <library folder>

Reads the build's compile_commands.json. For every source of vorn_core: its
compile line names no QtWidgets include folder, and its preprocessor, run
with the same line, reaches no header below a QtWidgets folder (not even as
<QtWidgets/...> through Qt's top include folder); and each control folder
(src/<control>) gives vorn_core its core (*Core*.cpp). Fails with the offending files named.
"""
import json
import os
import shlex
import subprocess
import sys

build, library = sys.argv[1], sys.argv[2]
with open(os.path.join(build, 'compile_commands.json')) as f:
    entries = json.load(f)
core = [e for e in entries if '/vorn_core.dir/' in e.get('output', e['command'])]
faults = []
if not core:
    faults.append('no source of vorn_core in compile_commands.json')
for e in core:
    words = shlex.split(e['command'])
    if any('QtWidgets' in w for w in words):
        faults.append(f"{e['file']}: its compile line names a QtWidgets folder")
    # The same line, preprocessing only, listing every header it reads.
    deps = []
    skip = False
    for w in words:
        if skip:
            skip = False
            continue
        if w in ('-o', '-MF', '-MT', '-MQ'):
            skip = True
            continue
        if w in ('-c', '-MD', '-MMD'):
            continue
        deps.append(w)
    run = subprocess.run(deps + ['-M', '-MF', '/dev/stdout'], cwd=e['directory'], capture_output=True, text=True)
    if run.returncode != 0:
        faults.append(f"{e['file']}: the preprocessor failed: {run.stderr.strip()[:500]}")
        continue
    widgets = sorted({d for d in run.stdout.replace('\\\n', ' ').split() if '/QtWidgets/' in d})
    if widgets:
        faults.append(f"{e['file']}: reaches {', '.join(widgets[:3])}")

# Each control's model and painting: its folder's *Core* sources.
core_files = {os.path.relpath(os.path.realpath(e['file']), os.path.realpath(library)) for e in core}
src = os.path.join(library, 'src')
for part in sorted(os.listdir(src)):
    if part in ('common', 'widgets') or not os.path.isdir(os.path.join(src, part)):
        continue
    if not any(f.startswith(f'src/{part}/') and 'Core' in os.path.basename(f) for f in core_files):
        faults.append(f'src/{part}: this control has no core in vorn_core')

if faults:
    print('vorn_core is not free of Qt Widgets:\n  ' + '\n  '.join(faults))
    sys.exit(1)
print(f'vorn_core: {len(core)} sources, none reaches Qt Widgets')
