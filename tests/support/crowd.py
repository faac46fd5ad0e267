"""A process of followers for the hall's and the relay's tests: many followers at once in one
event loop, told on the process's input when to answer ("ask") and when to stop ("end"); it says
"joined N" once they have all begun to follow and "answered N" once they have answered, and writes
what each got as JSON (and the first follower's messages whole beside it, for the core to play)."""
import asyncio
import json
import sys
import threading
import time


class Told:
    """What the process has been told, for its followers to wait on; and who has answered."""

    def __init__(self):
        self.asked = asyncio.Event()
        self.ended = asyncio.Event()
        self.answered = []

    def listen(self, loop):
        for line in sys.stdin:
            event = {"ask": self.asked, "end": self.ended}.get(line.strip())
            if event is not None:
                loop.call_soon_threadsafe(event.set)
        loop.call_soon_threadsafe(self.ended.set)

    async def say_answered(self, count):
        await self.asked.wait()
        deadline = time.monotonic() + 30
        while len(self.answered) < count and time.monotonic() < deadline:
            await asyncio.sleep(0.1)
        print(f"answered {len(self.answered)}", flush=True)


def run(count, out, follow):
    """Runs follow(index, joined, told) for `count` followers, each returning what it got (a list
    of texts) and, for the first, its messages whole; `joined` takes the index of each that
    began to follow."""

    async def main():
        told = Told()
        threading.Thread(target=told.listen, args=(asyncio.get_running_loop(),),
                         daemon=True).start()
        saying = asyncio.create_task(told.say_answered(count))
        joined = []
        tasks = [asyncio.create_task(follow(i, joined, told)) for i in range(count)]
        deadline = time.monotonic() + 60
        while len(joined) < count and time.monotonic() < deadline:
            await asyncio.sleep(0.1)
        print(f"joined {len(joined)}", flush=True)
        results = await asyncio.gather(*tasks)
        saying.cancel()
        with open(out, "w", encoding="utf-8") as f:
            json.dump([r[0] for r in results], f)
        with open(out + ".whole", "wb") as f:
            for message in results[0][1]:
                data = message.encode("utf-8")
                f.write(f"{len(data)}\n".encode() + data)

    asyncio.run(main())
