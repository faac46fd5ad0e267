"""The department's relay as deploy/nats configures it, on loopback: two nats-server processes in a
cluster, each with the deploy's users, permissions and limits (deploy/nats/lectures.conf, included
as the deploy's relay.conf includes it) and free ports. The lecturer publishes on one server; a
phone, a browser's WebSocket on the other, follows, answers and asks for a snapshot, and is refused
whatever else it tries: to publish events, to read the answers, to connect over plain TCP, from a
foreign origin, or with a message over the relay's limit. The deploy's relay.conf itself is valid
with a certificate in place. Talks only to 127.0.0.1, every wait bounded.
    relay_config_test.py WORK_FOLDER"""
import asyncio
import os
import shutil
import subprocess
import sys
import time

import websockets

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from nats_wire import Nats  # noqa: E402
from relay_servers import ORIGIN, PASSWORD, free_ports, start  # noqa: E402

DEPLOY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "deploy", "nats")
CODE = "K7QX2M"


async def refused(connect, what, faults):
    """Whether connecting as `connect` does is refused by the relay."""
    try:
        client = await connect()
        got = await client.flush()
        await client.close()
        if not any(op[0] == "ERR" and "Authorization Violation" in op[1] for op in got):
            faults.append(f"{what} was let in")
    except (websockets.InvalidStatusCode, ConnectionError, asyncio.TimeoutError,
            websockets.ConnectionClosed):
        pass


async def lecture(ports, faults):
    client1, ws1, client2, ws2 = ports
    events, answers = f"lecture.{CODE}.events", f"lecture.{CODE}.answers"
    await refused(lambda: Nats.tcp(client1, "lecturer", "wrong"), "a wrong password", faults)
    await refused(lambda: Nats.tcp(client2, "follower", "follower"),
                  "a follower over plain TCP (not a browser)", faults)
    await refused(lambda: Nats.websocket(ws2, "follower", "follower", "http://evil.test"),
                  "a foreign origin", faults)
    await refused(lambda: Nats.websocket(ws1, "lecturer", PASSWORD, ORIGIN),
                  "the lecturer from a browser", faults)

    lecturer = await Nats.tcp(client1, "lecturer", PASSWORD)
    await lecturer.sub(answers, 1)
    phone = await Nats.websocket(ws2, "follower", "follower", ORIGIN)
    await phone.sub(events, 1)
    if any(op[0] == "ERR" for op in await lecturer.flush() + await phone.flush()):
        faults.append("the lecturer or a phone could not subscribe as the deploy allows")

    # Frames published on one server reach a phone on the other, in order, once the cluster has
    # heard of its interest.
    number, first = 0, None
    end = time.monotonic() + 20
    while first is None and time.monotonic() < end:
        number += 1
        await lecturer.pub(events, f"frame {number} 0123456789abcdef")
        try:
            op = await phone.next(0.2)
            first = int(op[3].split()[1]) if op[0] == "MSG" else None
        except asyncio.TimeoutError:
            pass
    if first is None:
        faults.append("a frame published on one server never reached a phone on the other")
        return
    for n in range(number + 1, number + 51):
        await lecturer.pub(events, f"frame {n} 0123456789abcdef")
    got = [op for op in await phone.flush() if op[0] == "MSG"]
    while len(got) < number - first + 50:
        got.append(await phone.next())
    numbers = [int(op[3].split()[1]) for op in got]
    if numbers[-50:] != list(range(number + 1, number + 51)):
        faults.append(f"frames came out of their order: {numbers[-50:][:8]}...")

    # A phone answers, and asks for a snapshot on a reply subject of its own: the lecturer reads
    # both and answers the asking once.
    await phone.sub("_INBOX.phone1", 2)
    await phone.pub(answers, "answer 1 2 =2 =A")
    await phone.pub(answers, "snapshot", reply="_INBOX.phone1")
    taken = [await lecturer.next(), await lecturer.next()]
    if [op[3] for op in taken] != ["answer 1 2 =2 =A", "snapshot"] or taken[1][2] != "_INBOX.phone1":
        faults.append(f"the lecturer read {taken!r}")
    else:
        await lecturer.pub(taken[1][2], "snapshot 60\nstart\n")
        await lecturer.pub(taken[1][2], "snapshot 60\nagain\n")
        got = [op for op in await lecturer.flush()]
        if not any(op[0] == "ERR" and "Permissions Violation" in op[1] for op in got):
            faults.append("the lecturer could answer a phone's asking twice")
        reply = await phone.next()
        if reply[:2] != ("MSG", "_INBOX.phone1") or reply[3] != "snapshot 60\nstart\n":
            faults.append(f"the phone's snapshot came as {reply!r}")

    # What a phone may not do: publish a frame, read the answers, forge a snapshot.
    watcher = await Nats.websocket(ws1, "follower", "follower", ORIGIN)
    await watcher.sub(events, 1)
    await watcher.flush()
    for subject in [events, f"lecture.{CODE}.snapshot", "lecture.OTHER1.events"]:
        await phone.pub(subject, "frame 999 0123456789abcdef")
        if not any(op[0] == "ERR" and "Permissions Violation for Publish" in op[1]
                   for op in await phone.flush()):
            faults.append(f"a phone could publish to {subject}")
    await phone.sub(answers, 3)
    await phone.sub(">", 4)
    denied = [op for op in await phone.flush() if op[0] == "ERR"]
    if len([op for op in denied if "Permissions Violation for Subscription" in op[1]]) != 2:
        faults.append(f"a phone could read the answers: {denied!r}")
    await lecturer.pub(answers, "answer 1 2 =9 =Z")
    if any(op[0] != "ERR" for op in await lecturer.flush()):
        faults.append("the lecturer read something after forging an answer")
    try:
        seen = await watcher.next(1)
        faults.append(f"another phone saw what a phone may not send: {seen!r}")
    except asyncio.TimeoutError:
        pass

    # A message over the relay's limit: the phone is let go.
    big = await Nats.websocket(ws2, "follower", "follower", ORIGIN)
    await big.flush()
    try:
        await big.pub(answers, "x" * (1024 * 1024 + 1))
        got = await big.flush()
        if not any(op[0] == "ERR" and "Maximum Payload" in op[1] for op in got):
            faults.append("a message over the relay's limit was taken")
    except (ConnectionError, websockets.ConnectionClosed, asyncio.TimeoutError):
        pass
    for client in [lecturer, phone, watcher]:
        await client.close()


def deploy_config_valid(work, faults):
    """The deploy's relay.conf as a department runs it, with a certificate where it says."""
    folder = os.path.join(work, "deploy")
    os.makedirs(folder, exist_ok=True)
    for name in ["relay.conf", "lectures.conf"]:
        shutil.copy(os.path.join(DEPLOY, name), folder)
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=relay.test", "-keyout", os.path.join(folder, "key.pem"),
                    "-out", os.path.join(folder, "cert.pem")], check=True, capture_output=True,
                   timeout=60)
    config = os.path.join(folder, "relay.conf")
    with open(config, encoding="utf-8") as f:
        text = f.read().replace("/etc/hopscape-relay/", folder + "/")
    with open(config, "w", encoding="utf-8") as f:
        f.write(text)
    checked = subprocess.run(["nats-server", "-c", config, "-t"], capture_output=True, text=True,
                             timeout=60, env=dict(os.environ, HOPSCAPE_LECTURER_PASSWORD=PASSWORD))
    if checked.returncode != 0:
        faults.append(f"deploy/nats/relay.conf is not valid: {checked.stderr.strip()[-200:]}")


def main():
    work = sys.argv[1]
    os.makedirs(work, exist_ok=True)
    faults = []
    deploy_config_valid(work, faults)
    client1, ws1, route1, client2, ws2, route2 = free_ports(6)
    servers = [start(work, "relay-1", client1, ws1, route1, route2),
               start(work, "relay-2", client2, ws2, route2, route1)]
    try:
        asyncio.run(asyncio.wait_for(lecture((client1, ws1, client2, ws2), faults), 120))
    except asyncio.TimeoutError:
        faults.append("the lecture through the relay did not end within two minutes")
    finally:
        for server in servers:
            server.terminate()
            server.wait(timeout=30)
    for fault in faults:
        print("FAILED:", fault)
    print(f"relay config: two servers in a cluster, a lecture and a phone across them, eight "
          f"things a phone or a stranger may not do refused; {len(faults)} faults")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
