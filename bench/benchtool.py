#!/usr/bin/python3
"""Helpers of the benchmark scripts: the loopback server, page probes, screen
watching, accessible rectangles and the input storm.

    benchtool.py serve DIR               loopback server (DIR/port, DIR/beacons.log)
    benchtool.py probe SRC DST PORT LABEL COLOUR [LINK]
                                         copy a page, adding the load probe
    benchtool.py launch X Y COLOUR TIMEOUT -- PROGRAM [ARGS]
                                         start PROGRAM, wait for COLOUR at X,Y
    benchtool.py wait X Y COLOUR TIMEOUT wait for COLOUR at X,Y
    benchtool.py pixel X Y               print the colour at X,Y
    benchtool.py locate PID              accessible controls of PID (AT-SPI)
    benchtool.py clicks ...              click loop of bench/latency
    benchtool.py report ...              its figures
    benchtool.py navigate ...            navigation loop of bench/soak
    benchtool.py storm ...               random input of bench/storm

Every time is CLOCK_REALTIME in nanoseconds, the clock the pages' own
performance.timeOrigin uses, so that the server's log, the page's figures and
the screen watcher compare directly. Uses only Debian's python3 with
python3-xlib (screen, input) and python3-pyatspi (locate).
"""
import base64
import hashlib
import json
import os
import random
import socket
import subprocess
import sys
import threading
import time
import urllib.parse


def now_ns():
    return time.time_ns()


def parse_colour(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def parse_colours(text):
    """A colour, or several separated by "/"."""
    return [parse_colour(part) for part in text.split("/")]


# ---------------------------------------------------------------- pages

# Added before </body>: on the load event the page covers itself with one flat
# colour (a link to LINK when given, else transparent to the pointer), then
# reports its navigation figures to the loopback server over a WebSocket (a
# page from a file may open one; it may not load a script or image from the web).
PROBE = """<script>
(function () {
  var label = %(label)s, colours = %(colour)s, link = %(link)s, port = %(port)s;
  // Several colours: the loads of one tab take them in turn, so that loading
  // the same page again changes the screen too.
  var colour = colours[0];
  try {
    var n = +(sessionStorage.getItem('bench-loads') || 0);
    colour = colours[n %% colours.length];
    sessionStorage.setItem('bench-loads', n + 1);
  } catch (e) {}
  addEventListener('load', function () {
    var loadAt = performance.now();
    var cover = document.createElement(link ? 'a' : 'div');
    if (link) cover.href = link;
    cover.id = 'bench-cover';
    cover.style.cssText = 'position:fixed;left:0;top:0;width:100vw;height:100vh;' +
      'display:block;margin:0;border:0;z-index:2147483647;background:' + colour +
      (link ? '' : ';pointer-events:none');
    document.documentElement.appendChild(cover);
    var nav = (performance.getEntriesByType('navigation') || [])[0] || {};
    requestAnimationFrame(function () {
      var figures = { label: label, origin: performance.timeOrigin,
        fetch: nav.fetchStart || 0, response: nav.responseEnd || 0,
        dom: nav.domContentLoadedEventEnd || 0, load: loadAt, frame: performance.now() };
      try { new WebSocket('ws://127.0.0.1:' + port + '/beacon?' +
                          encodeURIComponent(JSON.stringify(figures))); } catch (e) {}
      console.log('bench-probe: loaded ' + label);
    });
  });
})();
</script>
"""


def probe_script(port, label, colour, link):
    return PROBE % {"label": json.dumps(label), "colour": json.dumps(["#" + c.lstrip("#") for c in colour.split("/")]),
                    "link": json.dumps(link or ""), "port": int(port)}


def add_probe(page, script):
    at = page.lower().rfind("</body>")
    return page[:at] + script + page[at:] if at >= 0 else page + script


def remote_page(port, label, colour, link):
    body = ("<!DOCTYPE html><html lang=cs><head><meta charset=utf-8><title>Orvalis</title>"
            "<style>body{font-family:sans-serif;margin:2em}</style></head><body>"
            "<h1>Orvalis</h1><p>Stránka zkušebního serveru.</p>"
            + "".join("<p>Odstavec %d: text, který stránka vykreslí.</p>" % i for i in range(40))
            + "</body></html>")
    return add_probe(body, probe_script(port, label, colour, link))


def cmd_probe(args):
    src, dst, port, label, colour = args[:5]
    link = args[5] if len(args) > 5 else ""
    with open(src, encoding="utf-8") as f:
        page = f.read()
    with open(dst, "w", encoding="utf-8") as f:
        f.write(add_probe(page, probe_script(port, label, colour, link)))


# ---------------------------------------------------------------- server

def cmd_serve(args):
    """Loopback HTTP server on 127.0.0.1 (port from $BENCH_PORT or any free
    one). Pages: DIR/pages.json maps a path to [label, colour, link]; every
    path else is the plain page. /beacon?... (WebSocket or not) is logged to
    DIR/beacons.log as "arrival_ns figures-json"; every request to
    DIR/requests.log as "arrival_ns path"."""
    folder = args[0]
    srv = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    srv.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    srv.bind(("127.0.0.1", int(os.environ.get("BENCH_PORT", "0"))))
    srv.listen(64)
    port = srv.getsockname()[1]
    beacons = open(os.path.join(folder, "beacons.log"), "a", buffering=1)
    requests = open(os.path.join(folder, "requests.log"), "a", buffering=1)
    lock = threading.Lock()

    def pages():
        try:
            with open(os.path.join(folder, "pages.json"), encoding="utf-8") as f:
                return json.load(f)
        except (OSError, ValueError):
            return {}

    def handle(conn):
        arrived = now_ns()
        conn.settimeout(10)
        try:
            data = b""
            while b"\r\n\r\n" not in data and len(data) < 65536:
                chunk = conn.recv(4096)
                if not chunk:
                    break
                data += chunk
            lines = data.decode("latin-1").split("\r\n")
            parts = lines[0].split(" ")
            target = parts[1] if len(parts) > 2 else "/"
            path, _, query = target.partition("?")
            headers = {k.strip().lower(): v.strip() for k, _, v in
                       (line.partition(":") for line in lines[1:] if ":" in line)}
            with lock:
                requests.write("%d %s\n" % (arrived, target))
                if path == "/beacon":
                    beacons.write("%d %s\n" % (arrived, urllib.parse.unquote(query)))
            key = headers.get("sec-websocket-key")
            if key:
                accept = base64.b64encode(hashlib.sha1(
                    (key + "258EAFA5-E914-47DA-95CA-C5AB0DC85B11").encode()).digest())
                conn.sendall(b"HTTP/1.1 101 Switching Protocols\r\nUpgrade: websocket\r\n"
                             b"Connection: Upgrade\r\nSec-WebSocket-Accept: " + accept
                             + b"\r\n\r\n\x88\x02\x03\xe8")
                return
            if path == "/beacon":
                body, kind = b"", b"text/plain"
            else:
                label, colour, link = pages().get(path) or pages().get("*") or ["remote", "808080", ""]
                body = remote_page(port, label, colour, link).encode("utf-8")
                kind = b"text/html; charset=utf-8"
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Type: " + kind +
                         b"\r\nCache-Control: no-store\r\nConnection: close\r\n"
                         b"Content-Length: " + str(len(body)).encode() + b"\r\n\r\n" + body)
        except OSError:
            pass
        finally:
            conn.close()

    with open(os.path.join(folder, "port.tmp"), "w") as f:
        f.write(str(port))
    os.rename(os.path.join(folder, "port.tmp"), os.path.join(folder, "port"))
    while True:
        conn, _ = srv.accept()
        threading.Thread(target=handle, args=(conn,), daemon=True).start()


def read_beacons(folder, after_ns=0):
    """Beacons that arrived after after_ns: list of (arrival_ns, figures)."""
    found = []
    try:
        with open(os.path.join(folder, "beacons.log"), encoding="utf-8") as f:
            for line in f:
                stamp, _, text = line.rstrip("\n").partition(" ")
                if int(stamp) <= after_ns:
                    continue
                try:
                    found.append((int(stamp), json.loads(text)))
                except ValueError:
                    pass
    except OSError:
        pass
    return found


# ---------------------------------------------------------------- screen

class Screen:
    def __init__(self):
        from Xlib import X, display
        self.X = X
        self.display = display.Display()
        self.root = self.display.screen().root

    def pixel(self, x, y):
        image = self.root.get_image(x, y, 1, 1, self.X.ZPixmap, 0xffffffff)
        b, g, r = image.data[0], image.data[1], image.data[2]
        return (r, g, b)

    @staticmethod
    def near(pixel, colour, tolerance=3):
        return all(abs(a - b) <= tolerance for a, b in zip(pixel, colour))

    def shows(self, x, y, colour, tolerance=3):
        return self.near(self.pixel(x, y), colour, tolerance)

    def wait(self, x, y, colour, timeout, alive=None, step=0.002, not_before=None):
        """Time (ns) at which COLOUR (or one of a list of colours other than
        NOT_BEFORE, the colour shown before) was first seen at X,Y, or None."""
        colours = colour if isinstance(colour, list) else [colour]
        if not_before is not None and len(colours) > 1:
            colours = [c for c in colours if not self.near(not_before, c)] or colours
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            pixel = self.pixel(x, y)
            if any(self.near(pixel, c) for c in colours):
                return now_ns()
            if alive is not None and not alive():
                return None
            time.sleep(step)
        return None


def cmd_pixel(args):
    print("%02x%02x%02x" % Screen().pixel(int(args[0]), int(args[1])))


def cmd_wait(args):
    x, y, colour, timeout = int(args[0]), int(args[1]), parse_colour(args[2]), float(args[3])
    seen = Screen().wait(x, y, colour, timeout)
    if seen is None:
        sys.exit(1)
    print(seen)


def cmd_launch(args):
    """Prints "PID LAUNCH_NS SEEN_NS" (SEEN_NS 0 when the colour never came).
    The program runs in a session of its own and outlives this helper."""
    x, y, colour, timeout = int(args[0]), int(args[1]), parse_colour(args[2]), float(args[3])
    command = args[args.index("--") + 1:]
    screen = Screen()
    out = open(os.environ.get("BENCH_PROGRAM_LOG", os.devnull), "w")
    launched = now_ns()
    child = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
    seen = screen.wait(x, y, colour, timeout, alive=lambda: child.poll() is None)
    print(child.pid, launched, seen or 0, flush=True)


# ---------------------------------------------------------------- accessibility

def cmd_locate(args):
    """Lines "role|name|x|y|w|h" for the showing controls of the application
    whose process is PID (screen coordinates)."""
    import pyatspi
    pid = int(args[0])
    timeout = float(args[1]) if len(args) > 1 else 30
    wanted = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM,
              pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX}
    deadline = time.monotonic() + timeout
    while True:
        rows = []
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for app in desktop:
                if app is None:
                    continue
                try:
                    if app.get_process_id() != pid:
                        continue
                except Exception:
                    continue
                stack = [app]
                while stack:
                    node = stack.pop()
                    try:
                        role = node.getRole()
                        states = node.getState()
                        if role in wanted and states.contains(pyatspi.STATE_SHOWING):
                            e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                            if e.width > 0 and e.height > 0:
                                rows.append("%s|%s|%d|%d|%d|%d" % (
                                    node.getRoleName(), node.name, e.x, e.y, e.width, e.height))
                        stack.extend(c for c in node if c is not None)
                    except Exception:
                        continue
        except Exception:
            rows = []
        if rows or time.monotonic() > deadline:
            break
        time.sleep(0.5)
    print("\n".join(rows))
    sys.exit(0 if rows else 1)


# ---------------------------------------------------------------- latency

def cmd_clicks(args):
    """clicks DIR COUNT WATCH_X WATCH_Y TARGETS...: each TARGET is
    NAME:X:Y:COLOUR. Clicks the targets in turn COUNT times each (one xdotool
    click at X,Y), and after each waits for COLOUR at the watch point; then
    pairs each click with the page's beacon. Writes DIR/clicks.json."""
    folder, count, wx, wy = args[0], int(args[1]), int(args[2]), int(args[3])
    hold = float(os.environ.get("BENCH_HOLD_MS", "0")) / 1000
    # A first click that is not measured (it changes site, say), on the last
    # target, so that the measured ones begin with the first.
    warm_up = os.environ.get("BENCH_WARM_UP", "0") == "1"
    targets = []
    for target in args[4:]:
        name, x, y, colour = target.split(":")
        targets.append((name, int(x), int(y), parse_colours(colour)))
    from Xlib import X
    from Xlib.ext import xtest
    screen = Screen()
    d = screen.display
    results = []
    rounds = [(targets[-1],)] if warm_up else []
    rounds += [tuple(targets)] * count
    for number, row in enumerate(rounds):
        for name, x, y, colour in row:
            subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
            time.sleep(0.15)   # the pointer's arrival (hover) is not part of the click
            # xdotool's own run (about 100 ms here, most of it around the
            # event) would hide where the time goes: its clock is timed
            # alone, and the click itself is the same XTest press and release
            # sent from here, with the watcher's clock.
            shown = screen.pixel(wx, wy)
            before = now_ns()
            subprocess.run(["xdotool", "sleep", "0"], check=True)
            tool_run = now_ns() - before
            xtest.fake_input(d, X.ButtonPress, 1)
            d.sync()
            if hold:
                # Diagnosis: the press's own work (the pressed look) done
                # first, the click's time runs from the release.
                time.sleep(hold)
            clicked = now_ns()
            xtest.fake_input(d, X.ButtonRelease, 1)
            d.sync()
            sent = clicked + tool_run
            seen = screen.wait(wx, wy, colour, 20, not_before=shown)
            if not (warm_up and number == 0):
                results.append({"name": name, "click": clicked, "sent": sent, "seen": seen})
            time.sleep(0.25)   # let the beacon arrive and the engine settle
    beacons = read_beacons(folder)
    for r in results:
        if r["seen"] is None:
            continue
        # The page this click brought: the first beacon whose navigation began
        # after the click.
        for arrival, figures in beacons:
            if figures.get("origin", 0) * 1e6 >= r["click"] - 5e6 and arrival >= r["click"]:
                r["beacon"] = figures
                break
    with open(os.path.join(folder, "clicks.json"), "w") as f:
        json.dump(results, f)


def quantiles(values):
    """(median, p95) of VALUES; far out of every goal when empty."""
    v = sorted(values)
    if not v:
        return 99999.0, 99999.0
    n = len(v)
    median = v[n // 2] if n % 2 else (v[n // 2 - 1] + v[n // 2]) / 2
    return median, v[min(n - 1, max(0, -(-95 * n // 100) - 1))]


def cmd_report(args):
    """report OUT RUN.json... : per target of the click runs (NAME:FILE pairs),
    median and p95 of the phases, in ms. Prints a table and writes OUT, lines
    "NAME FIELD MEDIAN P95 COUNT"."""
    out = open(args[0], "w")
    print("%-16s %7s %11s %11s %11s %11s %11s %11s" % (
        "", "clicks", "total", "xdotool", "to request", "request to", "load to", "lost"))
    print("%-16s %7s %11s %11s %11s %11s %11s %11s" % (
        "", "", "med/p95", "med/p95", "med/p95", "load", "screen", ""))
    for named_file in args[1:]:
        name, _, path = named_file.partition(":")
        with open(path) as f:
            rows = json.load(f)
        phases = {"total": [], "xdotool": [], "request": [], "engine": [], "screen": []}
        lost = 0
        for r in rows:
            if r.get("seen") is None:
                lost += 1
                continue
            phases["total"].append((r["seen"] - r["click"]) / 1e6)
            phases["xdotool"].append((r["sent"] - r["click"]) / 1e6)
            b = r.get("beacon")
            if b:
                start = b["origin"] * 1e6
                phases["request"].append((start - r["click"]) / 1e6)
                phases["engine"].append(b["load"])
                phases["screen"].append((r["seen"] - start) / 1e6 - b["load"])
        cells = []
        for field, values in phases.items():
            median, p95 = quantiles(values)
            out.write("%s %s %.2f %.2f %d\n" % (name, field, median, p95, len(values)))
            cells.append("%5.0f/%5.0f" % (median, p95))
        out.write("%s lost %d %d %d\n" % (name, lost, lost, len(rows)))
        print("%-16s %7d %s %11d" % (name, len(rows), " ".join(cells), lost))
    out.close()


def cmd_navigate(args):
    """navigate COUNT WATCH_X WATCH_Y TARGETS...: COUNT navigations, the
    targets (NAME:X:Y:COLOUR) in turn, each one real click (XTest, as xdotool
    sends it) and a wait for its colour at the watch point. Prints "done N"
    and the number of navigations that never showed ("lost N"); stops at the
    first of those."""
    from Xlib import X
    from Xlib.ext import xtest
    count, wx, wy = int(args[0]), int(args[1]), int(args[2])
    targets = []
    for target in args[3:]:
        name, x, y, colour = target.split(":")
        targets.append((int(x), int(y), parse_colour(colour)))
    screen = Screen()
    d = screen.display
    done = lost = 0
    for i in range(count):
        x, y, colour = targets[i % len(targets)]
        xtest.fake_input(d, X.MotionNotify, x=x, y=y)
        d.sync()
        time.sleep(0.02)
        xtest.fake_input(d, X.ButtonPress, 1)
        xtest.fake_input(d, X.ButtonRelease, 1)
        d.sync()
        if screen.wait(wx, wy, colour, 30) is None:
            lost += 1
            break
        done += 1
        time.sleep(0.05)
    print("done", done)
    print("lost", lost)


# ---------------------------------------------------------------- storm

def client_windows(display):
    """(window, title, pid) of every managed top-level window."""
    root = display.screen().root
    atom = display.intern_atom
    listing = root.get_full_property(atom("_NET_CLIENT_LIST"), 0)
    found = []
    for wid in (listing.value if listing else []):
        window = display.create_resource_object("window", wid)
        try:
            name = window.get_full_property(atom("_NET_WM_NAME"), atom("UTF8_STRING"))
            title = name.value.decode("utf-8", "replace") if name else (window.get_wm_name() or "")
            pid = window.get_full_property(atom("_NET_WM_PID"), 0)
            found.append((window, title, pid.value[0] if pid else 0))
        except Exception:
            continue
    return found


def cmd_storm(args):
    """storm SECONDS SEED PID MAIN_WID BOX_TITLE CONTROLS_FILE AVOID_FILE:
    random real input (XTest) over the main window. Any other window of PID
    titled BOX_TITLE is an error box: counted and closed with Enter; any other
    window of PID is closed with Esc. Prints "key=value" counts."""
    from Xlib import X, XK
    from Xlib.ext import xtest
    from Xlib import display as xdisplay
    seconds, seed, pid, main_wid = float(args[0]), int(args[1]), int(args[2]), int(args[3])
    box_title, controls_file, avoid_file = args[4], args[5], args[6]
    rng = random.Random(seed)
    d = xdisplay.Display()
    controls = []
    with open(controls_file, encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("|")
            if len(parts) == 6:
                controls.append((parts[1], int(parts[2]), int(parts[3]), int(parts[4]), int(parts[5])))
    # Places never clicked (those that end the program): "tl|tr DX DY W H",
    # from the window's top-left or top-right corner, so they follow the
    # window when it is restored or moved.
    avoid = []
    with open(avoid_file, encoding="utf-8") as f:
        for line in f:
            anchor, x, y, w, h = line.split()
            avoid.append((anchor, int(x), int(y), int(w), int(h)))
    main = d.create_resource_object("window", main_wid)

    last_area = [(0, 0, d.screen().width_in_pixels, d.screen().height_in_pixels)]

    def main_area():
        # The window is gone when the program ends; its last place serves.
        try:
            g = main.get_geometry()
            t = main.translate_coords(d.screen().root, 0, 0)
            last_area[0] = (-t.x, -t.y, g.width, g.height)
        except Exception:
            pass
        return last_area[0]

    def avoided(x, y):
        wx, wy, ww, _ = main_area()
        for anchor, dx, dy, aw, ah in avoid:
            ax = wx + dx if anchor == "tl" else wx + ww + dx
            if ax <= x < ax + aw and wy + dy <= y < wy + dy + ah:
                return True
        return False

    def code(name):
        return d.keysym_to_keycode(XK.string_to_keysym(name))

    def key(name, mods=()):
        for m in mods:
            xtest.fake_input(d, X.KeyPress, code(m))
        xtest.fake_input(d, X.KeyPress, code(name))
        xtest.fake_input(d, X.KeyRelease, code(name))
        for m in reversed(mods):
            xtest.fake_input(d, X.KeyRelease, code(m))
        d.sync()

    def button(number, times=1, at=None):
        if at is not None:
            xtest.fake_input(d, X.MotionNotify, x=at[0], y=at[1])
        for i in range(times):
            xtest.fake_input(d, X.ButtonPress, number)
            xtest.fake_input(d, X.ButtonRelease, number)
            if i + 1 < times:
                d.sync()
                time.sleep(0.03)
        d.sync()

    counts = {"actions": 0, "clicks": 0, "double_clicks": 0, "right_clicks": 0, "wheel": 0,
              "keys": 0, "print_dialogs": 0, "error_boxes": 0, "other_windows": 0}
    letters = "abcdefghijklmnopqrstuvwxyz"
    plain_keys = ["Escape", "Tab", "Left", "Right", "Up", "Down", "Return", "space", "F10"]

    def random_point():
        for _ in range(50):
            ax, ay, aw, ah = main_area()
            if controls and rng.random() < 0.5:
                _, cx, cy, cw, ch = rng.choice(controls)
                x, y = cx + rng.randrange(max(cw, 1)), cy + rng.randrange(max(ch, 1))
            else:
                x, y = ax + rng.randrange(max(aw, 1)), ay + rng.randrange(max(ah, 1))
            if not avoided(x, y):
                return x, y
        return None

    def close_windows():
        for window, title, wpid in client_windows(d):
            if window.id == main_wid or wpid != pid:
                continue
            try:
                window.set_input_focus(X.RevertToParent, X.CurrentTime)
                d.sync()
            except Exception:
                continue
            time.sleep(0.05)
            if title == box_title:
                counts["error_boxes"] += 1
                key("Return")
            else:
                counts["other_windows"] += 1
                key("Escape")
            time.sleep(0.1)

    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not os.path.exists("/proc/%d" % pid):
            break
        choice = rng.random()
        point = random_point()
        if choice < 0.30 and point:
            button(1, 1, point); counts["clicks"] += 1
        elif choice < 0.38 and point:
            button(1, 2, point); counts["double_clicks"] += 1
        elif choice < 0.45 and point:
            button(3, 1, point); counts["right_clicks"] += 1
        elif choice < 0.53 and point:
            button(rng.choice([4, 5]), rng.randint(1, 4), point); counts["wheel"] += 1
        elif choice < 0.62:
            key("Alt_L"); counts["keys"] += 1
        elif choice < 0.64:
            key("p", ["Control_L"]); time.sleep(0.5); close_windows(); key("Escape")
            counts["print_dialogs"] += 1
        elif choice < 0.80:
            key(rng.choice(plain_keys)); counts["keys"] += 1
        else:
            key(rng.choice(letters + "0123456789")); counts["keys"] += 1
        counts["actions"] += 1
        time.sleep(rng.uniform(0.01, 0.12))
        if counts["actions"] % 10 == 0:
            close_windows()
    close_windows()
    for name, value in counts.items():
        print("%s=%d" % (name, value))


def main():
    commands = {"serve": cmd_serve, "probe": cmd_probe, "launch": cmd_launch, "wait": cmd_wait,
                "pixel": cmd_pixel, "locate": cmd_locate, "clicks": cmd_clicks, "report": cmd_report, "navigate": cmd_navigate, "storm": cmd_storm}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    commands[sys.argv[1]](sys.argv[2:])


if __name__ == "__main__":
    main()
