#!/usr/bin/python3
"""The wait a user sees: Zwervel's release build on an X server with a window manager (Xvfb
and openbox, started here on a free display and stopped at the end), input sent as XTEST
events, each interaction timed until the screen stops changing (X DAMAGE on the root window,
300 ms of quiet). Small and big data alternate, one round of every interaction per start, so
that each round begins from the same file. A click holds the button for 10 ms and is timed
from its release, except the one that opens a list, which opens on the press. The caret's
blink is not counted: nobody waits for it.

Usage: latency.py --program build/release/zwervel --bench build/release/bench/zwervel_bench
                  [--repeats 7]
"""

import argparse
import os
import random
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display
from Xlib.error import DisplayError
from Xlib.ext import damage, xtest
from Xlib.protocol import event as xevent

QUIET = 0.3  # seconds without drawing that end a measurement
HOLD = 0.01  # seconds a click holds the button down
GIVE_UP = 10.0  # seconds an interaction may take before the run is called broken
SEPARATOR = b"\x0f"  # between the entries of a list line in the configuration file

# Points of the window at its start-up size, in pixels from the client area's corner.
ROUTE_LINE = (200, 190)
PLACE_LIST = (392, 372)  # its arrow: the field above it covers the rest
ADD_PLACE = (8, 112)
CLEAN_UP = (8, 136)
REMOVE_PLACE = (8, 372)

ROWS = [
    ("start-up until drawn and quiet", "startup"),
    ("open the place list (click, from the press)", "open"),
    ("pick its 5th entry (click)", "pick"),
    ("type a character in the route box", "type"),
    ("add a place (click)", "add"),
    ("F2 in the route box", "f2"),
    ("the clean-up button (click)", "cleanup"),
    ("the remove question (click)", "remove"),
    ("300 px wider", "wider"),
    ("close, the save included", "close"),
]


def now():
    return time.monotonic()


def fail(message):
    sys.exit("latency: " + message)


# ---- The data --------------------------------------------------------------------------


def read_lists(path):
    """The place and route entries of a configuration file the benchmark driver wrote."""
    places = routes = []
    with open(path, "rb") as f:
        for line in f.read().split(b"\r\n"):
            if line.startswith(b"plaats="):
                places = [e for e in line[7:].split(SEPARATOR) if e]
            elif line.startswith(b"routes="):
                routes = [e for e in line[7:].split(SEPARATOR) if e]
    return places, routes


def route_value(places, count, fillers, rng):
    """`count` places among `fillers` empty and space-only lines, as a stored route."""
    lines = [rng.choice(places) for _ in range(count)]
    for i in range(fillers):
        lines.insert(rng.randrange(len(lines) + 1), b" " * (i % 3))
    return b"/".join(lines)


def config_bytes(route, places, routes):
    entries = lambda items: b"".join(e + SEPARATOR for e in items)
    return (b"route=" + route + b"\r\nplaats=" + entries(places) + b"\r\nroutes=" +
            entries(routes) + b"\r\n")


def make_data(bench, folder):
    lists = os.path.join(folder, "lists")
    subprocess.run([bench, "--files", lists], check=True, stdout=subprocess.DEVNULL,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    places, routes = read_lists(os.path.join(lists, "32767", "zwervel.cfg"))
    rng = random.Random(24)
    big = config_bytes(route_value(places, 10000, 20000, rng), places, routes)
    # Every 655th entry keeps the list order.
    small_places, small_routes = places[::655][:50], routes[::655][:50]
    small = config_bytes(route_value(small_places, 10, 20, rng), small_places, small_routes)
    return {"small": small, "big": big}


def describe(data):
    lines = data.split(b"\r\n")
    route = lines[0][6:].split(b"/")
    places = sum(1 for line in route if line.strip())
    count = lambda key: next(len([e for e in l[len(key):].split(SEPARATOR) if e])
                             for l in lines if l.startswith(key))
    return "%d places and %d routes in the lists; a route of %d places on %d lines" % (
        count(b"plaats="), count(b"routes="), places, len(route))


# ---- The X server ----------------------------------------------------------------------


class Screen:
    def __init__(self, cpu):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-dpi", "96",
             "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL,
            preexec_fn=pin(cpu))
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(read)
        self.name = ":" + number.decode().strip()
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ,
                                   DISPLAY=self.name), stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, preexec_fn=pin(cpu))
        self.d = display.Display(self.name)
        if not self.d.has_extension("DAMAGE") or not self.d.has_extension("XTEST"):
            fail("the X server lacks DAMAGE or XTEST")
        self.d.damage_query_version()
        self.root = self.d.screen().root
        self.root.damage_create(damage.DamageReportRawRectangles)
        self.damage_event = self.d.extension_event.DamageNotify
        self.atoms = {n: self.d.intern_atom(n) for n in (
            "_NET_CLIENT_LIST", "_NET_WM_PID", "WM_PROTOCOLS", "WM_DELETE_WINDOW",
            "_NET_SUPPORTING_WM_CHECK")}
        deadline = now() + GIVE_UP
        while self.root.get_full_property(self.atoms["_NET_SUPPORTING_WM_CHECK"],
                                          X.AnyPropertyType) is None:
            if now() > deadline:
                fail("openbox did not start")
            time.sleep(0.02)
        self.wait_quiet(now())

    def stop(self):
        for process in (self.wm, self.server):
            process.terminate()
            process.wait()

    # -- drawing --

    def drawing(self, timeout):
        """Times of the drawing reported within `timeout` seconds (none once it is quiet)."""
        times = []
        if self.d.pending_events() == 0:
            ready, _, _ = select.select([self.d.fileno()], [], [], max(0.0, timeout))
            if not ready:
                return times
        arrived = now()
        for _ in range(self.d.pending_events()):
            e = self.d.next_event()
            # The caret's blink repaints a strip a few pixels wide and nothing else.
            if e.type == self.damage_event and (e.area.width > 12 or e.area.height > 24):
                times.append(arrived)
        return times

    def wait_quiet(self, since, ready=lambda: True):
        """The moment of the last drawing after `since`, once `ready()` holds and nothing has
        been drawn for QUIET seconds; `since` when nothing was drawn."""
        last = since
        deadline = since + GIVE_UP
        while True:
            t = now()
            if t > deadline:
                fail("no quiet within %.0f s" % GIVE_UP)
            waiting = ready()
            times = self.drawing(min(0.05, max(0.001, last + QUIET - t)) if waiting else 0.005)
            if times:
                last = max(last, times[-1])
            elif waiting and now() - last >= QUIET:
                return last

    # -- input --

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        self.d.flush()

    def press(self):
        xtest.fake_input(self.d, X.ButtonPress, 1)
        self.d.flush()

    def release(self):
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.flush()

    def click(self):
        """A click, as a hand makes it; returns when it ends (a button acts on the release)."""
        self.press()
        time.sleep(HOLD)
        released = now()
        self.release()
        return released

    def click_from_press(self):
        """A click timed from its press (a list opens on the press)."""
        pressed = now()
        self.click()
        return pressed

    def key(self, name, modifier=None):
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        held = self.d.keysym_to_keycode(XK.string_to_keysym(modifier)) if modifier else None
        if held:
            xtest.fake_input(self.d, X.KeyPress, held)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        if held:
            xtest.fake_input(self.d, X.KeyRelease, held)
        self.d.flush()

    # -- windows --

    def client_of(self, pid):
        clients = self.root.get_full_property(self.atoms["_NET_CLIENT_LIST"], X.AnyPropertyType)
        for wid in clients.value if clients else []:
            window = self.d.create_resource_object("window", wid)
            owner = window.get_full_property(self.atoms["_NET_WM_PID"], X.AnyPropertyType)
            if owner and owner.value[0] == pid and window.get_attributes().map_state == \
                    X.IsViewable:
                return window
        return None

    def corner(self, window):
        at = window.translate_coords(self.root, 0, 0)
        return -at.x, -at.y

    def popup(self):
        """The open list: the topmost window of its own that no window manager frames."""
        for child in reversed(self.root.query_tree().children):
            a = child.get_attributes()
            if a.override_redirect and a.map_state == X.IsViewable:
                g = child.get_geometry()
                if g.width > 100 and g.height > 100:
                    return g
        fail("the place list did not open")

    def close(self, window):
        message = xevent.ClientMessage(
            window=window, client_type=self.atoms["WM_PROTOCOLS"],
            data=(32, [self.atoms["WM_DELETE_WINDOW"], X.CurrentTime, 0, 0, 0]))
        window.send_event(message)
        self.d.flush()


def pin(cpu):
    return (lambda: os.sched_setaffinity(0, {cpu})) if cpu is not None else None


# ---- One round -------------------------------------------------------------------------


def round_of(screen, program, cpu, folder):
    """Starts the program on the data in `folder` and times every interaction once."""
    times = {}
    s = screen

    def measure(row, action):
        s.wait_quiet(now())
        t0 = now()
        t0 = action() or t0
        times[row] = s.wait_quiet(t0) - t0

    def settle(action):
        action()
        s.wait_quiet(now())

    t0 = now()
    env = dict(os.environ, DISPLAY=s.name, QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=os.path.join(folder, "home"))
    process = subprocess.Popen([program], env=env, preexec_fn=pin(cpu),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None

    def shown():
        nonlocal window
        window = window or s.client_of(process.pid)
        return window is not None

    times["startup"] = s.wait_quiet(t0, shown) - t0
    cx, cy = s.corner(window)
    at = lambda point: lambda: s.move(cx + point[0], cy + point[1])

    # A caret on a line in the middle of the route, then a place picked from the list.
    settle(at(ROUTE_LINE))
    settle(s.click)
    settle(at(PLACE_LIST))
    measure("open", s.click_from_press)
    g = s.popup()
    settle(lambda: s.move(g.x + g.width // 2, g.y + g.height * 9 // 20))
    measure("pick", s.click)
    # A character over the picked place; its line up to the caret is a new place to add.
    measure("type", lambda: s.key("q"))
    settle(lambda: s.key("Home", "Shift_L"))
    settle(at(ADD_PLACE))
    measure("add", s.click)
    measure("f2", lambda: s.key("F2"))
    settle(at(CLEAN_UP))
    measure("cleanup", s.click)
    # The remove question, then no to it and to removing every place.
    settle(at(REMOVE_PLACE))
    measure("remove", s.click)
    settle(lambda: s.key("Escape"))
    settle(lambda: s.key("Escape"))
    geometry = window.get_geometry()
    measure("wider", lambda: window.configure(width=geometry.width + 300) or s.d.flush())

    t0 = now()
    s.close(window)
    while process.poll() is None:
        if now() > t0 + GIVE_UP:
            process.kill()
            fail("the window did not close")
        time.sleep(0.001)
    times["close"] = now() - t0
    if process.returncode != 0:
        fail("the program ended with %d" % process.returncode)
    return times


# ---- The table -------------------------------------------------------------------------


def cell(samples):
    ms = sorted(t * 1000 for t in samples)
    return "%5.0f [%.0f–%.0f]" % (statistics.median(ms), ms[0], ms[-1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--bench", required=True)
    parser.add_argument("--repeats", type=int, default=7)
    args = parser.parse_args()

    cpus = sorted(os.sched_getaffinity(0))
    program_cpu = cpus[0] if len(cpus) > 1 else None
    other_cpu = cpus[1] if len(cpus) > 1 else None
    if other_cpu is not None:
        os.sched_setaffinity(0, {other_cpu})

    work = tempfile.mkdtemp(prefix="zwervel-latency-")
    screen = None
    try:
        data = make_data(os.path.abspath(args.bench), work)
        programs = {}
        for size in data:
            os.makedirs(os.path.join(work, size))
            programs[size] = os.path.join(work, size, "zwervel")
            shutil.copy(args.program, programs[size])
        screen = Screen(other_cpu)
        with open("/proc/loadavg") as f:
            load = f.read().split()[0]
        print("Latency as a user sees it (Xvfb %s with openbox, XTEST input, until %d ms without "
              "drawing; load average %s at the start; the program on processor %s, the X "
              "server and this script on %s)" % (screen.name, QUIET * 1000, load,
                                                 program_cpu, other_cpu))
        for size in data:
            print("  %-5s %s" % (size, describe(data[size])))
        sys.stdout.flush()

        samples = {size: {key: [] for _, key in ROWS} for size in data}
        for repeat in range(args.repeats):
            for size in data:
                with open(os.path.join(work, size, "zwervel.cfg"), "wb") as f:
                    f.write(data[size])
                for key, t in round_of(screen, programs[size], program_cpu,
                                       os.path.join(work, size)).items():
                    samples[size][key].append(t)

        print("\n  %-44s %-20s %-20s" % ("ms: median [min–max] of %d" % args.repeats, "small",
                                         "big"))
        for label, key in ROWS:
            print("  %-44s %-20s %-20s" % (label, cell(samples["small"][key]),
                                           cell(samples["big"][key])))
    finally:
        if screen:
            screen.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
