"""What letting the hall follow costs, on loopback, beside its targets:
- what a phone downloads to follow (every file of the page, as served: target under 300 KB),
- how long a phone waits from joining to the lecture's first message (target under 1 s), and
- the lecturer's program's CPU with 500 followers while 51 packets move, less the same without
  them (the serving's own share: target under 10 % of a core).
    hall_bench.py HOPSCAPE SPREAD_FILE [FOLLOWERS] [SECONDS]
The program runs offscreen (QT_QPA_PLATFORM=offscreen), so that the X server's share is not
counted; only 127.0.0.0/8 is talked to."""
import asyncio
import os
import re
import statistics
import subprocess
import sys
import time
import urllib.request

import websockets

SERVED = ["/", "/hopscape.js", "/hopscape.css", "/hopscape-core.js", "/hopscape-core.wasm",
          "/icon.svg", "/fonts/LiberationSans-Regular.woff2", "/fonts/LiberationSans-Bold.woff2",
          "/fonts/DejaVuSans-Bold.woff2"]


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat", encoding="ascii") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def start(hopscape, spread):
    program = subprocess.Popen([hopscape, "--serve", "127.0.0.1:0", "--open", spread],
                               stdout=subprocess.PIPE, text=True,
                               env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    found = re.search(r":(\d+)/\?follow=(\w+)", program.stdout.readline())
    return program, found.group(1), found.group(2)


async def follow_for(port, code, followers, seconds, joins):
    async def one(index):
        host = f"127.0.0.{2 + index // 5}"
        began = time.perf_counter()
        async with websockets.connect(f"ws://127.0.0.1:{port}/stream?follow={code}",
                                      origin=f"http://127.0.0.1:{port}", local_addr=(host, 0),
                                      max_size=None, ping_interval=None, open_timeout=60) as socket:
            await socket.recv()
            joins.append(time.perf_counter() - began)
            end = time.monotonic() + seconds
            while time.monotonic() < end:
                try:
                    await asyncio.wait_for(socket.recv(), max(0.01, end - time.monotonic()))
                except asyncio.TimeoutError:
                    break
    await asyncio.gather(*(one(i) for i in range(followers)))


def share(program, seconds, followers, port, code):
    """The program's share of a core over `seconds`, with `followers` following."""
    joins = []
    if followers:
        # The followers join first, then the measuring begins.
        task_seconds = seconds + 5
        child = subprocess.Popen([sys.executable, __file__, "--follow", port, code,
                                  str(followers), str(task_seconds)])
        time.sleep(4)
    before, began = cpu_seconds(program.pid), time.monotonic()
    time.sleep(seconds)
    used = (cpu_seconds(program.pid) - before) / (time.monotonic() - began)
    if followers:
        child.wait(timeout=120)
    return used, joins


def main():
    hopscape, spread = sys.argv[1:3]
    followers = int(sys.argv[3]) if len(sys.argv) > 3 else 500
    seconds = float(sys.argv[4]) if len(sys.argv) > 4 else 10
    program, port, code = start(hopscape, spread)
    try:
        download = 0
        for path in SERVED:
            request = urllib.request.Request(f"http://127.0.0.1:{port}{path}",
                                             headers={"Accept-Encoding": "gzip"})
            with urllib.request.urlopen(request, timeout=10) as answer:
                download += len(answer.read())
        print(f"hall: what a phone downloads: {download / 1000:.1f} KB (target under 300 KB)")

        joins = []
        for _ in range(20):
            asyncio.run(follow_for(port, code, 1, 0, joins))
        print(f"hall: join to the first message: median {statistics.median(joins) * 1000:.0f} ms, "
              f"slowest {max(joins) * 1000:.0f} ms (target under 1 s)")

        time.sleep(2)
        alone, _ = share(program, seconds, 0, port, code)
        with_hall, _ = share(program, seconds, followers, port, code)
        print(f"hall: the program with 51 packets moving: {alone * 100:.1f} % of a core alone, "
              f"{with_hall * 100:.1f} % with {followers} followers; serving them "
              f"{(with_hall - alone) * 100:.1f} % (target under 10 %)")
    finally:
        program.terminate()
        program.wait(timeout=30)


if __name__ == "__main__":
    if sys.argv[1] == "--follow":
        asyncio.run(follow_for(sys.argv[2], sys.argv[3], int(sys.argv[4]), float(sys.argv[5]), []))
    else:
        main()
