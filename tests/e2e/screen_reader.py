#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
# SPDX-License-Identifier: MIT
"""Uses the running calculator as a screen reader does, over AT-SPI only:
finds its fields and the C read-out by role and name, edits the fields
through the editable-text interface, and reads the results and the events
the program sends. Exits non-zero on the first failure."""
import math
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "Korvel Tuning Coil Calculator"


def fail(msg):
    print("FAIL:", msg, file=sys.stderr)
    sys.exit(1)


def pump(seconds=0.3):
    """Delivers the events that arrived, for a while."""
    ctx = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while ctx.pending():
            ctx.iteration(False)
        time.sleep(0.02)


def find_frame():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for win in app:
                if win is not None and win.name == TITLE:
                    return win
        time.sleep(0.1)
    fail("no accessible window titled %r" % TITLE)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


frame = find_frame()
by_name = {}
for node in descendants(frame):
    if node.name in ("Frequency", "XL", "Required L", "Required C"):
        by_name[node.name] = node
missing = {"Frequency", "XL", "Required L", "Required C"} - set(by_name)
if missing:
    fail("not found: %s" % sorted(missing))
freq, xl, ind, cap = (by_name[n] for n in ("Frequency", "XL", "Required L", "Required C"))

# Roles, units and interfaces as a reader meets them.
for node, unit in ((freq, "MHz"), (xl, "ohm"), (ind, "H")):
    role = node.getRoleName()
    if role not in ("text", "spin button"):
        fail("%s has role %r" % (node.name, role))
    if not node.description.endswith(unit):
        fail("%s has description %r, not its unit" % (node.name, node.description))
    ifaces = pyatspi.listInterfaces(node)
    for needed in ("Text", "EditableText", "Value"):
        if needed not in ifaces:
            fail("%s lacks the %s interface" % (node.name, needed))
if cap.getRoleName() != "label":
    fail("C has role %r" % cap.getRoleName())
if "Text" not in pyatspi.listInterfaces(cap):
    fail("C cannot be read as text")
print("read:", {n.name: text_of(n) for n in (freq, xl, ind, cap)})


def key_bindings(node):
    """The keys of the node's actions, as a reader announces its shortcut."""
    if "Action" not in pyatspi.listInterfaces(node):
        return []
    action = node.queryAction()
    return [action.getKeyBinding(i) for i in range(action.nActions) if action.getKeyBinding(i)]


# Each field tells the key that takes the focus into it.
for node, key in ((freq, "Alt+1"), (ind, "Alt+2"), (xl, "Alt+3")):
    keys = key_bindings(node)
    if key not in keys:
        fail("%s reports the keys %r, not %s" % (node.name, keys, key))
print("shortcuts:", {n.name: sorted(set(key_bindings(n))) for n in (freq, ind, xl)})

events = []
def record(ev):
    events.append((ev.type, ev.source.name if ev.source else None))
pyatspi.Registry.registerEventListener(record, "object:text-changed", "object:property-change:accessible-value")
pump()

# An invalid edit is refused; a valid one recomputes L and C.
before = text_of(xl)
xl.queryEditableText().setTextContents("12a")
pump()
if text_of(xl) != before:
    fail("XL took an invalid text: %r" % text_of(xl))

events.clear()
freq.queryEditableText().setTextContents("14.200")
xl.queryEditableText().setTextContents("250.0")
pump(1.0)
f, x = float(text_of(freq)), float(text_of(xl))
if (f, x) != (14.2, 250.0):
    fail("fields read %r and %r after the edits" % (f, x))
c_expected = 1e6 / (2 * math.pi * f * x)
l_expected = x / (2 * math.pi * f)
c_read, l_read = float(text_of(cap)), float(text_of(ind))
print("after the edits: C %s pF (%.6g expected), L %s uH (%.6g expected)" % (c_read, c_expected, l_read, l_expected))
# Both show three decimals: half a unit of the last one, and a little.
if abs(c_read - c_expected) > 6e-4 or abs(l_read - l_expected) > 6e-4:
    fail("C or L disagrees with the formulas")
told = {name for kind, name in events}
print("events from:", sorted(n for n in told if n))
for name in ("XL", "Required C"):
    if name not in told:
        fail("no change event from %s" % name)
print("screen reader check passed")
