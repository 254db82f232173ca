"""One hostile address against the postcard service while a real client asks.

    attack.py <port> <phase> <seconds>
phase: headers (4 connections sending 16 MB of headers again and again),
drip (400 connections sending a byte every 2 s), idle (800 connections held
open, reconnecting when dropped), or quiet (none). The attacker connects
from 127.0.0.2; the real client asks from 127.0.0.1 every half second.
Loopback only; it stops by itself after the given seconds.
Prints the real client's requests, answered, and max and p99 latency.
"""
import asyncio
import sys
import time

HOSTILE, REAL = "127.0.0.2", "127.0.0.1"
QUERY = ("/qzsmtp.asp?ID=QZ&mailFrom=Tom&mailTo=gran%40example.org"
         "&msg=Hello&serial=VX1")


async def connect(port):
    return await asyncio.open_connection("127.0.0.1", port, local_addr=(HOSTILE, 0))


async def hostile(port, phase, stop):
    """One hostile connection, made again whenever the service drops it."""
    line = b"X-Filler: " + b"a" * 65000 + b"\r\n"
    while time.monotonic() < stop:
        try:
            reader, writer = await connect(port)
        except OSError:
            await asyncio.sleep(0.05)
            continue
        try:
            if phase == "headers":
                writer.write(b"GET " + QUERY.encode() + b" HTTP/1.1\r\nHost: x\r\n")
                sent = 0
                while sent < 16 * 1024 * 1024 and time.monotonic() < stop:
                    writer.write(line)
                    await writer.drain()
                    sent += len(line)
            elif phase == "drip":
                for byte in b"GET " + QUERY.encode() + b" HTTP/1.1\r\nHost: x\r\n":
                    if time.monotonic() >= stop:
                        break
                    writer.write(bytes([byte]))
                    await writer.drain()
                    await asyncio.sleep(2)
            else:  # idle: wait until the service closes it
                await asyncio.wait_for(reader.read(1), max(0.1, stop - time.monotonic()))
        except (OSError, asyncio.TimeoutError):
            pass
        finally:
            writer.close()
        await asyncio.sleep(0.05)


async def ask(port):
    """The real client's request: its latency in seconds, None when not answered."""
    start = time.monotonic()
    try:
        reader, writer = await asyncio.wait_for(
            asyncio.open_connection("127.0.0.1", port, local_addr=(REAL, 0)), 5)
        writer.write(f"GET {QUERY} HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n".encode())
        answer = await asyncio.wait_for(reader.read(), 5)
        writer.close()
    except (OSError, asyncio.TimeoutError):
        return None
    return time.monotonic() - start if answer.startswith(b"HTTP/1.1 200") else None


async def real_client(port, stop, latencies):
    while time.monotonic() < stop:
        latencies.append(await ask(port))
        await asyncio.sleep(0.5)


async def main():
    port, phase, seconds = int(sys.argv[1]), sys.argv[2], float(sys.argv[3])
    stop = time.monotonic() + seconds
    count = {"headers": 4, "drip": 400, "idle": 800, "quiet": 0}[phase]
    latencies = []
    await asyncio.gather(real_client(port, stop, latencies),
                         *(hostile(port, phase, stop) for _ in range(count)))
    answered = sorted(t for t in latencies if t is not None)
    p99 = answered[min(len(answered) - 1, int(len(answered) * 0.99))] if answered else float("nan")
    print(f"{phase}: real client answered {len(answered)} of {len(latencies)}; "
          f"max {max(answered, default=float('nan')) * 1000:.0f} ms, p99 {p99 * 1000:.0f} ms")


if __name__ == "__main__":
    asyncio.run(main())
