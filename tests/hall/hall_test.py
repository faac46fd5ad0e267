"""A hall that follows, on loopback: the lecturer's program serves with --serve 127.0.0.1:0 at an
X server under a window manager, 500 followers join (in five processes, five from each of a
hundred loopback addresses, as phones on a hall's network), a lesson is played with the clicker's
keys, and every follower must get a snapshot and then every frame in order; what one follower got,
played through the native core, must stand where the lecturer's fingerprints say. Every follower
answers the lesson's question (a share of the hall each answer, known in advance), and so does
Chromium as a phone, by touch: how the hall answered, as the lecturer's program shows it at the
reveal, must be what they sent. The phone's drawing of the moment it ends on, at the window's size,
must be the desktop's snapshot of the same moment at known points. Then a hostile
client tries what a student's device might: a foreign origin, a wrong code, a path out of the
page, a message of a megabyte, a click sent as an answer, a flood; none may change the lecture.
Talks only to 127.0.0.0/8, every wait bounded.
    hall_test.py HOPSCAPE LECTURE_TRANSCRIPT WORK_FOLDER [FOLLOWERS]
Run it at an X server under a window manager (xvfb-run ... with-openbox.sh)."""
import asyncio
import json
import os
import re
import signal
import subprocess
import sys
import time
import urllib.error
import urllib.request

import websockets

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import crowd  # noqa: E402
import window_points  # noqa: E402
from window_points import STILL_POINTS  # noqa: E402

PROCESSES = 5
PER_ADDRESS = 5
LESSON = "Example 1 converging"
PRESSES = 8
# The second press asks the lesson's question, the first it asks; the third reveals the answer.
ASKING_PRESS = 2
QUESTION = 1
CELLS = ["C's cost to network a", "C's next hop to network a", "C's cost to network b",
         "C's next hop to network b", "C's cost to network d", "C's next hop to network d"]
RIGHT = ["2", "A", "3", "B", "2", "D"]


def hall_answer(index):
    """What follower `index` answers: 55 % of the hall the right answer, 25 % each cell one off,
    15 % every route lost, 5 % nothing at all."""
    share = index % 20
    if share < 11:
        return RIGHT
    if share < 16:
        return ["3", "B", "4", "A", "3", "A"]
    if share < 19:
        return ["inf", "-"] * 3
    return [""] * 6


def shown_answers(answers):
    """How the lecturer's program says the hall answered, line by line: the heading, then each
    cell's name, the right answer's share and the two wrong answers given most."""
    if not answers:
        return []
    lines = [f"The hall: {len(answers)} answers"]
    for cell, (name, right) in enumerate(zip(CELLS, RIGHT)):
        counts = {}
        for given in answers:
            text = given[cell].strip().upper().replace("INF", "inf") if cell < len(given) else ""
            counts[text] = counts.get(text, 0) + 1
        wrong = sorted(((n, t) for t, n in counts.items() if t != right), key=lambda w: -w[0])
        lines.append(name)
        for count, text in [(counts.get(right, 0), right)] + wrong[:2]:
            lines.append(f"{text or '(blank)'}: {int(count * 100 / len(answers) + 0.5)} %")
    return lines


def follower_process(port, code, first, base, count, out):
    """Runs `count` followers from loopback addresses starting at 127.0.0.`first`, each five to an
    address, until the lecturer's program closes (see crowd.run); follower `base` + i answers
    hall_answer(base + i) when told."""

    async def answer(index, socket, told):
        await told.asked.wait()
        cells = hall_answer(base + index)
        await socket.send(f"answer {QUESTION} {len(cells)} " + " ".join("=" + c for c in cells))
        told.answered.append(index)

    async def follow(index, joined, told):
        host = f"127.0.0.{first + index // PER_ADDRESS}"
        answering = None
        got = []
        whole = []
        try:
            async with websockets.connect(
                    f"ws://127.0.0.1:{port}/stream?follow={code}", origin=f"http://127.0.0.1:{port}",
                    local_addr=(host, 0), open_timeout=30, max_size=8 * 1024 * 1024,
                    ping_interval=None) as socket:
                answering = asyncio.create_task(answer(index, socket, told))
                while True:
                    message = await asyncio.wait_for(socket.recv(), 120)
                    head = message.split("\n", 1)[0]
                    got.append(head)
                    if index == 0:
                        whole.append(message)
                    if len(got) == 1:
                        joined.append(index)
        except (websockets.ConnectionClosed, OSError, asyncio.TimeoutError) as e:
            got.append(f"closed {type(e).__name__}")
        if answering is not None:
            answering.cancel()
        return got, whole

    crowd.run(count, out, follow)


def hall_answers(children, each, phone, faults):
    """Every follower answers the question asked, and says so; what the hall answered, Chromium's
    answer with them. The server has read them all well before the next press."""
    for child in children:
        child.stdin.write("ask\n")
        child.stdin.flush()
    for child in children:
        said = child.stdout.readline().strip()
        if said != f"answered {each}":
            faults.append(f"a process of followers said {said!r}, not that all {each} answered")
    answers = [hall_answer(i) for i in range(each * len(children))]
    if phone is not None and phone.answered:
        answers.append(phone.driver.execute_script("return Hopscape.following.answered"))
    time.sleep(3)
    return answers


def play_lesson(program, address, children, each, snapshot, work, faults, pressed=None):
    """The lesson played at the program's window by the clicker's key, a press every second and
    a half (`pressed(press)` after each), followed by Chromium as a phone from `address`: it and
    every follower answer the question asked. What the hall answered, and the moment the phone
    ends on (as the page's state), or none."""
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                             str(program.pid)], capture_output=True, text=True,
                            timeout=60).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], timeout=30)
    phone = ChromiumFollower(address, faults)
    answers, page = [], None
    try:
        for press in range(1, PRESSES + 1):
            subprocess.run(["xdotool", "key", "--window", window, "Next"], timeout=30)
            time.sleep(1.5)
            phone.after_press(press == ASKING_PRESS)
            if press == ASKING_PRESS:
                answers = hall_answers(children, each, phone, faults)
            if pressed is not None:
                pressed(press)
        time.sleep(2)
        page = phone.explore_and_return()
        phone.same_as_desktop(snapshot, work)
    except Exception as e:  # a browser that cannot follow is a fault, not a crash of the test
        faults.append(f"Chromium could not follow: {e}")
    finally:
        phone.quit()
    return answers, page


def played_through_core(transcript, whole, frames, faults):
    """A follower's messages (the file `whole`) played through the native core must end at the
    last frame with its fingerprint; the demonstration they end on, or none."""
    played = subprocess.run([transcript, "--follow", whole], capture_output=True, text=True,
                            timeout=300)
    last = max(frames) if frames else 0
    if played.returncode != 0 or f"ends {last} {frames.get(last)}" not in played.stdout:
        faults.append(f"a follower's frames played through the core: {played.stdout[-300:]!r}")
        return None
    return played.stdout.split("\n", 1)[1]


def resident_kb(pid):
    """The process's resident memory, in KB."""
    with open(f"/proc/{pid}/status", encoding="utf-8") as f:
        return int(re.search(r"VmRSS:\s+(\d+)", f.read()).group(1))


def stalled(hopscape, work, faults):
    """A follower that stops reading: it asks for a snapshot every second and reads none (its
    receive buffer as small as the system allows), of a lecture whose snapshot is large (a lesson
    file opened, padded to 700 KB). The server must let it go once it holds 256 KB unsent, and
    its memory stay within a few megabytes of where it was."""
    lesson = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs",
                          "count-to-infinity-by-hand.json")
    padded = os.path.join(work, "padded.json")
    with open(lesson, encoding="utf-8") as f, open(padded, "w", encoding="utf-8") as out:
        out.write(f.read() + " " * 700000)
    program = subprocess.Popen([hopscape, "--serve", "127.0.0.1:0", "--open", padded],
                               stdout=subprocess.PIPE, text=True)
    try:
        found = re.fullmatch(r"http://127\.0\.0\.1:(\d+)/\?follow=(\w{6})\n",
                             program.stdout.readline())
        if not found:
            faults.append("the program with a large lesson did not serve")
            return
        stalled_follower(found.group(1), found.group(2), program.pid, faults)
    finally:
        program.send_signal(signal.SIGTERM)
        program.wait(timeout=30)


def stalled_follower(port, code, pid, faults):
    import base64
    import socket as sockets
    time.sleep(2)
    before = resident_kb(pid)
    s = sockets.socket(sockets.AF_INET, sockets.SOCK_STREAM)
    s.setsockopt(sockets.SOL_SOCKET, sockets.SO_RCVBUF, 1024)
    s.bind(("127.0.1.4", 0))
    s.settimeout(10)
    s.connect(("127.0.0.1", int(port)))
    key = base64.b64encode(os.urandom(16)).decode()
    s.sendall((f"GET /stream?follow={code} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n"
               f"Origin: http://127.0.0.1:{port}\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
               f"Sec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n").encode())
    head = b""
    while b"\r\n\r\n" not in head:
        head += s.recv(1)
    if b" 101 " not in head.split(b"\r\n")[0]:
        faults.append(f"the stalled follower was not let in: {head[:60]!r}")
        return
    mask = os.urandom(4)
    word = b"snapshot"
    frame = bytes([0x81, 0x80 | len(word)]) + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(word))
    dropped = False
    most = before
    end = time.monotonic() + 60
    while time.monotonic() < end and not dropped:
        try:
            s.sendall(frame)
        except OSError:
            dropped = True
            break
        most = max(most, resident_kb(pid))
        time.sleep(1.05)
        # Let go, the server closes the socket: the next send finds it reset.
    s.close()
    if not dropped:
        faults.append("a follower that read nothing for 60 s was not let go")
    if most - before > 16 * 1024:
        faults.append(f"the server grew by {most - before} KB for a follower that stopped reading")
    print(f"a follower that stopped reading: let go {'yes' if dropped else 'no'}, the server grew "
          f"by at most {most - before} KB", flush=True)


def get(port, path, headers=None):
    request = urllib.request.Request(f"http://127.0.0.1:{port}{path}", headers=headers or {})
    try:
        with urllib.request.urlopen(request, timeout=10) as answer:
            return answer.status, answer.read()
    except urllib.error.HTTPError as e:
        return e.code, b""


async def hostile(port, code, faults):
    origin = f"http://127.0.0.1:{port}"
    url = f"ws://127.0.0.1:{port}/stream?follow={code}"
    for what, kwargs, target in [("a foreign origin", {"origin": "http://evil.test"}, url),
                                 ("a wrong code", {"origin": origin},
                                  f"ws://127.0.0.1:{port}/stream?follow=AAAAAA"),
                                 ("no origin", {}, url)]:
        try:
            async with websockets.connect(target, local_addr=("127.0.1.1", 0), open_timeout=10,
                                          **kwargs):
                faults.append(f"{what} was let follow")
        except websockets.InvalidStatusCode:
            pass
    async with websockets.connect(url, origin=origin, local_addr=("127.0.1.2", 0),
                                  max_size=None, open_timeout=10) as socket:
        await asyncio.wait_for(socket.recv(), 10)  # the snapshot
        await socket.send("act 9 0 1 0 0 = 5")  # a click, sent as if it were an answer
        for i in range(50):
            await socket.send(f"answer 1 1 ={i}")
        await socket.send("tick 5")
        await asyncio.sleep(1.1)
        await socket.send("snapshot")
        snapshot = ""
        while not snapshot.startswith("snapshot "):  # frames may come first
            snapshot = await asyncio.wait_for(socket.recv(), 10)
    try:
        async with websockets.connect(url, origin=origin, local_addr=("127.0.1.3", 0),
                                      max_size=None, open_timeout=10) as socket:
            await asyncio.wait_for(socket.recv(), 10)
            await socket.send("x" * (1024 * 1024))
            await asyncio.wait_for(socket.recv(), 10)
            faults.append("a message of a megabyte was taken")
    except (websockets.ConnectionClosed, asyncio.TimeoutError):
        pass
    return snapshot


SHOTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build-web")


def touch(driver, selector, text=None):
    """A finger's tap on the middle of the element the selector finds (the one that reads `text`
    where it is given), found as it stands at the tap: the page makes its pad afresh at times."""
    box = driver.execute_script(
        "const e = [...document.querySelectorAll(arguments[0])].find((e) => arguments[1] === null"
        " || e.textContent === arguments[1]);"
        "if (!e) return null;"
        "e.scrollIntoView({block: 'center'});"
        "const r = e.getBoundingClientRect();"
        "return [r.left + r.width / 2, r.top + r.height / 2]", selector, text)
    if box is None:
        raise RuntimeError(f"nothing to touch at {selector} {text or ''}")
    point = [{"x": box[0], "y": box[1]}]
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": point})
    time.sleep(0.05)
    driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


def wait_for(driver, script, seconds=20):
    """Whether the script came to answer true within `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if driver.execute_script("return " + script):
            return True
        time.sleep(0.1)
    return False


BAR = "document.querySelector('#follow .said').textContent"


class ChromiumFollower:
    """Chromium as a phone held upright, following through a name as a phone on a hall's network
    does (so not a secure context): it answers the lesson's question by touch, reads its own
    answer graded at the reveal, explores a moment of its own and follows again."""

    def __init__(self, address, faults):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        self.faults = faults
        self.answered = False
        self.graded = None
        options = Options()
        for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                         "--window-size=360,740", "--host-resolver-rules=MAP hall.test 127.0.0.1"]:
            options.add_argument(argument)
        self.driver = webdriver.Chrome(options=options)
        self.driver.set_page_load_timeout(60)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        self.driver.get(address)
        if not wait_for(self.driver, "window.Hopscape && Hopscape.ready && "
                        "Hopscape.following.frames > 0", 60):
            faults.append("Chromium did not begin to follow")

    def after_press(self, asked):
        """Answers the question where one has come (and, where the lecturer has `asked` one,
        waits for it to come): the first cell 9 by the pad, then Check."""
        d = self.driver
        if asked and not wait_for(d, "!!document.querySelector('#cells input')", 20):
            self.faults.append("the lecturer's question did not come to the follower")
        # The lesson's step played out on the phone too (its strip no longer says "running").
        wait_for(d, "!document.querySelector('#strip .keys').textContent.includes('running')", 15)
        if not self.answered and d.execute_script("return !!document.querySelector('#cells input')"):
            wait_for(d, "document.querySelectorAll('#pad button').length > 0 && "
                     "!document.getElementById('pad').hidden", 5)
            d.save_screenshot(os.path.join(SHOTS, "hall-follower-asked.png"))
            touch(d, "#pad button", "9")
            for _ in range(3):  # a tap the page took as no click (its pad made afresh) again
                touch(d, "#pad button", "Check")
                self.answered = wait_for(d, "Hopscape.following.answered !== null", 3)
                if self.answered:
                    break
            if not self.answered:
                self.faults.append("the follower's answer did not go")
        elif self.answered and self.graded is None:
            # The press after the answer reveals it: the phone grades its own, a beat behind.
            detail = "document.querySelector('#strip .detail').textContent"
            wait_for(d, f"{detail}.startsWith('Yours: ')", 10)
            detail = d.execute_script(f"return {detail}")
            if detail.startswith("Yours: "):
                self.graded = detail
                d.execute_script("document.getElementById('strip').scrollIntoView()")
                d.save_screenshot(os.path.join(SHOTS, "hall-follower-graded.png"))

    def explore_and_return(self):
        """Explores from the moment shown, changes it, and follows again; the lecture shown
        after, as the page's state."""
        d = self.driver
        if not self.answered or not (self.graded or "").startswith("Yours: C's table: "):
            self.faults.append(f"the follower's answer graded at the reveal: {self.graded!r}")
        if not d.execute_script("return window.isSecureContext") is False:
            self.faults.append("the page through a name was a secure context: the test proves less")
        if d.execute_script(f"return {BAR}") != "Following the lecturer":
            self.faults.append(f"the follower's bar said {d.execute_script(f'return {BAR}')!r}")
        # The lecture come to rest: what the phone shows stands still for two seconds.
        end, last = time.monotonic() + 30, None
        while time.monotonic() < end:
            state = d.execute_script("return Hopscape.state()")
            if state == last:
                break
            last = state
            time.sleep(2)
        # The tables and packets shown.
        shown = ("(() => { const s = JSON.parse(Hopscape.state()); "
                 "return JSON.stringify([s.routers, s.packets]); })()")
        lecturers = d.execute_script(f"return {shown}")
        touch(d, "#follow button")
        if not wait_for(d, f"{BAR} === 'Exploring on your own; the lecturer goes on'", 10):
            self.faults.append("Explore from here did not explore")
        # Update and a packet from a, on the student's own copy: tables and a packet on their way.
        touch(d, "#Command4")
        touch(d, "#btnNetwork0")
        if not wait_for(d, f"{shown} !== {json.dumps(lecturers)}", 10):
            self.faults.append("the controls did nothing to the student's own copy")
        d.save_screenshot(os.path.join(SHOTS, "hall-follower-exploring.png"))
        touch(d, "#follow button")
        # What it then shows is the lecturer's: compared with the core's below.
        if not wait_for(d, f"{BAR} === 'Following the lecturer'", 10):
            self.faults.append("Follow again did not follow: the bar said "
                               f"{d.execute_script(f'return {BAR}')!r}")
        time.sleep(1)
        said = d.execute_script("return Hopscape.following.said")
        if said:
            self.faults.append(f"the page following said {said[:3]!r}")
        d.save_screenshot(os.path.join(SHOTS, "hall-follower.png"))
        return d.execute_script("return Hopscape.state()")

    def same_as_desktop(self, snapshot, work):
        """The moment the phone shows, drawn by the desktop (its snapshot of the same
        demonstration) and by the page at the window's size, the bar above: the same at known
        points."""
        d = self.driver
        moment = os.path.join(work, "moment.json")
        with open(moment, "w", encoding="utf-8") as f:
            f.write(d.execute_script("return Hopscape.state()"))
        desktop = os.path.join(SHOTS, "hall-desktop-moment.png")
        subprocess.run([snapshot, desktop, moment, "1"], check=True, capture_output=True,
                       timeout=120, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        # The window's size, with room above for the bar and below for the lesson's strip.
        room = "[document.getElementById('follow').offsetHeight, " \
               "document.getElementById('strip').offsetHeight]"
        for _ in range(2):
            above, below = d.execute_script(f"return {room}")
            d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 822, "height": 583 + above + below, "deviceScaleFactor": 1,
                "mobile": False})
            time.sleep(1)
        wait_for(d, "Hopscape.sleeping()", 20)
        origin = d.execute_script("const r = document.getElementById('drawing')"
                                  ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]")
        page = os.path.join(SHOTS, "hall-follower-moment.png")
        d.save_screenshot(page)
        pictures = {"desktop": window_points.read(d, desktop, STILL_POINTS),
                    "page": window_points.read(d, page, STILL_POINTS, origin=origin[:2])}
        self.faults.extend(window_points.differences(pictures, STILL_POINTS, "the follower"))

    def quit(self):
        self.driver.quit()


def events(snapshot):
    """The events of a snapshot other than the timers'."""
    return [line for line in snapshot.split("\n")[2:] if line and
            not line.startswith(("tick ", "frames "))]


def main():
    hopscape, transcript, work = sys.argv[1:4]
    snapshot = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(hopscape))),
                            "hopscape_snapshot")
    followers = int(sys.argv[4]) if len(sys.argv) > 4 else 500
    os.makedirs(work, exist_ok=True)
    faults = []
    answers = []
    program = subprocess.Popen([hopscape, "--serve", "127.0.0.1:0", "--lesson", LESSON],
                               stdout=subprocess.PIPE, text=True)
    try:
        line = program.stdout.readline()
        found = re.fullmatch(r"http://127\.0\.0\.1:(\d+)/\?follow=([A-HJ-NP-Z2-9]{6})\n", line)
        if not found:
            raise SystemExit(f"FAILED: the program printed {line!r}, not the address")
        port, code = found.group(1), found.group(2)
        status, page = get(port, f"/?follow={code}", {"Accept-Encoding": "gzip"})
        if status != 200 or not page.startswith(b"\x1f\x8b"):
            faults.append(f"the page came as {status}, not compressed")
        for path in ["/../CMakeLists.txt", "/fonts/../index.html", "/hopscape.js/..", "/etc/passwd",
                     "/%2e%2e/index.html"]:
            if get(port, path)[0] != 404:
                faults.append(f"{path} was not refused")

        each = followers // PROCESSES
        outs = [os.path.join(work, f"followers-{p}.json") for p in range(PROCESSES)]
        children = [subprocess.Popen(
            [sys.executable, __file__, "--followers", port, code,
             str(2 + p * each // PER_ADDRESS), str(p * each), str(each), outs[p]],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True) for p in range(PROCESSES)]
        for child in children:
            said = child.stdout.readline().strip()
            if said != f"joined {each}":
                faults.append(f"a process of followers said {said!r}")

        answers, page = play_lesson(program, f"http://hall.test:{port}/?follow={code}", children,
                                    each, snapshot, work, faults)

        before = asyncio.run(hostile(port, code, []))
        hostile_faults = []
        after = asyncio.run(hostile(port, code, hostile_faults))
        faults.extend(hostile_faults)
        if events(before) != events(after):
            faults.append("what a hostile client sent changed the lecture")
        if not any(line.startswith("extra 25 ") for line in events(after)):
            faults.append(f"the clicker's presses reached no lesson: {after[:200]!r}")
    finally:
        program.send_signal(signal.SIGTERM)
        said = program.communicate(timeout=30)[0].split("\n")

    for child in children:
        child.stdin.close()
        child.wait(timeout=120)
    # How the hall answered, as the lecturer's program wrote it beside the histogram it showed.
    shown = said[:len(said) - 1]
    if shown != shown_answers(answers):
        faults.append(f"the hall's answers were shown as {shown[:4]!r}..., not as "
                      f"{shown_answers(answers)[:4]!r}...")
    stalled(hopscape, work, faults)
    heads = []
    for out in outs:
        with open(out, encoding="utf-8") as f:
            heads.extend(json.load(f))
    frames = {}
    for n, got in enumerate(heads):
        if not got or not got[0].startswith("snapshot "):
            faults.append(f"follower {n} began with {got[:1]!r}")
            continue
        number = int(got[0].split()[1])
        for head in got[1:]:
            if head.startswith("closed"):
                break
            kind, count, print_ = head.split()
            if kind != "frame" or int(count) != number + 1 or not re.fullmatch(r"[0-9a-f]{16}", print_):
                faults.append(f"follower {n} got {head!r} after frame {number}")
                break
            number += 1
            if frames.setdefault(number, print_) != print_:
                faults.append(f"follower {n} got frame {number} with another fingerprint")
                break
    if len(frames) < 10:
        faults.append(f"only {len(frames)} frames were sent")
    played = played_through_core(transcript, outs[0] + ".whole", frames, faults)
    if played is not None and page is not None and played != page:
        with open(os.path.join(work, "page-state.json"), "w", encoding="utf-8") as f:
            f.write(page)
        with open(os.path.join(work, "core-state.json"), "w", encoding="utf-8") as f:
            f.write(played)
        faults.append("the page following in Chromium shows another demonstration than the core "
                      f"(both in {work})")

    for fault in faults[:20]:
        print("FAILED:", fault)
    print(f"hall: {followers} followers, {len(frames)} frames each in order with the lecturer's "
          f"fingerprints, {len(answers)} answers shown as sent, a hostile client refused; "
          f"{len(faults)} faults")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--followers":
        follower_process(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]),
                         int(sys.argv[6]), sys.argv[7])
    else:
        main()
