"""One request from each of N distinct source addresses of 127.0.0.0/8.

Prints how many got the reply and how many a 4xx page, and the time taken.
    many_sources.py <port> <path and query> <N>
"""
import socket
import sys
import time


def main():
    port, path, count = int(sys.argv[1]), sys.argv[2], int(sys.argv[3])
    request = f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n".encode()
    statuses = {}
    start = time.monotonic()
    for i in range(count):
        n = i + 256  # from 127.0.1.0 on
        source = f"127.{n >> 16 & 255}.{n >> 8 & 255}.{n & 255}"
        with socket.create_connection(("127.0.0.1", port), source_address=(source, 0)) as s:
            s.sendall(request)
            answer = b""
            while chunk := s.recv(65536):
                answer += chunk
        status = int(answer.split(b" ", 2)[1])
        statuses[status] = statuses.get(status, 0) + 1
    elapsed = time.monotonic() - start
    print(f"{count} sources in {elapsed:.1f} s; statuses: {dict(sorted(statuses.items()))}")


if __name__ == "__main__":
    main()
