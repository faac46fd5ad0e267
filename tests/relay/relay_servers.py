"""Relays for the tests, on loopback: nats-server processes with the deploy's users, permissions
and limits (deploy/nats/lectures.conf) and free ports, joined as a cluster."""
import os
import shutil
import socket
import subprocess
import time

DEPLOY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "deploy", "nats")
PASSWORD = "lecturer-secret"
ORIGIN = "http://hall.test:8321"


def free_ports(count):
    sockets = [socket.socket() for _ in range(count)]
    for s in sockets:
        s.bind(("127.0.0.1", 0))
    ports = [s.getsockname()[1] for s in sockets]
    for s in sockets:
        s.close()
    return ports


def start(work, name, client, websocket, route, other_route, origin=None):
    """A nats-server of the cluster, on loopback, with the deploy's users and limits; browsers
    let in from `origin`."""
    folder = os.path.join(work, name)
    os.makedirs(folder, exist_ok=True)
    shutil.copy(os.path.join(DEPLOY, "lectures.conf"), folder)
    config = os.path.join(folder, "relay.conf")
    with open(config, "w", encoding="utf-8") as f:
        f.write(f"""server_name: {name}
listen: 127.0.0.1:{client}
websocket {{ host: 127.0.0.1, port: {websocket}, no_tls: true, allowed_origins: ["{origin or ORIGIN}"] }}
cluster {{ name: hopscape, listen: 127.0.0.1:{route}, routes: ["nats://127.0.0.1:{other_route}"] }}
include "lectures.conf"
""")
    server = subprocess.Popen(["nats-server", "-c", config], stdout=subprocess.DEVNULL,
                              stderr=open(os.path.join(folder, "log"), "w"),
                              env=dict(os.environ, HOPSCAPE_LECTURER_PASSWORD=PASSWORD))
    end = time.monotonic() + 20
    while time.monotonic() < end:
        try:
            socket.create_connection(("127.0.0.1", websocket), 1).close()
            return server
        except OSError:
            time.sleep(0.1)
    server.kill()
    raise SystemExit(f"FAILED: nats-server {name} did not listen")
