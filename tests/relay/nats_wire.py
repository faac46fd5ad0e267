"""Just enough of the NATS client protocol for the relay's tests, over TCP (as the lecturer's
program connects) or over WebSocket (as a student's browser does): connect with a user, subscribe,
publish, and read what the server sends, every wait bounded."""
import asyncio
import json

import websockets


class Nats:
    """One client connection. Messages and errors come from next(); PINGs are answered."""

    def __init__(self):
        self.buffer = b""
        self.reader = self.writer = self.socket = None
        self.info = None

    @classmethod
    async def tcp(cls, port, user, password):
        client = cls()
        client.reader, client.writer = await asyncio.wait_for(
            asyncio.open_connection("127.0.0.1", port), 10)
        await client._hello(user, password)
        return client

    @classmethod
    async def websocket(cls, port, user, password, origin):
        client = cls()
        client.socket = await websockets.connect(f"ws://127.0.0.1:{port}", origin=origin,
                                                 open_timeout=10, max_size=4 * 1024 * 1024,
                                                 ping_interval=None)
        await client._hello(user, password)
        return client

    async def _hello(self, user, password):
        op = await self.next()
        if op[0] != "INFO":
            raise RuntimeError(f"the server began with {op!r}")
        self.info = json.loads(op[1])
        await self.send(b"CONNECT " + json.dumps({
            "verbose": False, "pedantic": False, "user": user, "pass": password,
            "lang": "python", "version": "0", "protocol": 1, "echo": False}).encode() + b"\r\n")

    async def send(self, data):
        if self.socket is not None:
            await self.socket.send(data)
        else:
            self.writer.write(data)
            await self.writer.drain()

    async def sub(self, subject, sid):
        await self.send(f"SUB {subject} {sid}\r\n".encode())

    async def pub(self, subject, payload, reply=None):
        data = payload.encode() if isinstance(payload, str) else payload
        head = f"PUB {subject} {reply + ' ' if reply else ''}{len(data)}\r\n".encode()
        await self.send(head + data + b"\r\n")

    async def _more(self, seconds):
        if self.socket is not None:
            data = await asyncio.wait_for(self.socket.recv(), seconds)
            self.buffer += data if isinstance(data, bytes) else data.encode()
        else:
            data = await asyncio.wait_for(self.reader.read(65536), seconds)
            if not data:
                raise ConnectionError("the server closed the connection")
            self.buffer += data

    async def _line(self, seconds):
        while b"\r\n" not in self.buffer:
            await self._more(seconds)
        line, self.buffer = self.buffer.split(b"\r\n", 1)
        return line.decode()

    async def next(self, seconds=10):
        """The next operation: ("MSG", subject, reply, payload), ("ERR", text), ("INFO", json),
        ("PONG",) or ("OK",)."""
        while True:
            line = await self._line(seconds)
            verb, _, rest = line.partition(" ")
            if verb == "PING":
                await self.send(b"PONG\r\n")
            elif verb == "MSG":
                words = rest.split()
                size = int(words[-1])
                while len(self.buffer) < size + 2:
                    await self._more(seconds)
                payload, self.buffer = self.buffer[:size], self.buffer[size + 2:]
                return ("MSG", words[0], words[2] if len(words) == 4 else None, payload.decode())
            elif verb == "-ERR":
                return ("ERR", rest.strip("'"))
            elif verb == "+OK":
                return ("OK",)
            elif verb in ("INFO", "PONG"):
                return (verb, rest) if rest else (verb,)
            else:
                raise RuntimeError(f"the server sent {line!r}")

    async def flush(self, seconds=10):
        """Everything sent has been taken by the server: what came before its PONG, in order."""
        await self.send(b"PING\r\n")
        got = []
        while True:
            op = await self.next(seconds)
            if op[0] == "PONG":
                return got
            got.append(op)

    async def close(self):
        if self.socket is not None:
            await self.socket.close()
        elif self.writer is not None:
            self.writer.close()
