#!/usr/bin/env bash
# vellumix-postcard-service under a hostile load on loopback: from 127.0.0.2,
# 4 connections sending 16 MB of headers again and again, 400 connections
# dripping a byte every 2 s, and 800 idle connections that reconnect when
# dropped, each phase while a real client on 127.0.0.1 asks every half
# second; then 5,000 distinct 127.x addresses fill the client table. It
# prints each phase's answered count, max and p99 latency and the service's
# peak memory. Goals: every real request answered within 2 s and under
# 128 MiB (aim: p99 under 200 ms and under 64 MiB). Bounded; stops by itself.
#   bench/postcard-service/attack.sh [build folder] [seconds a phase, default 20]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${2:-20}
. "$here/service.sh" "${1:-$here/../../build}"
ulimit -n 8192 # the attacker's 800 connections and the service's own

peak() { awk '/^VmHWM/ { printf "service peak RSS %.1f MiB\n", $2 / 1024 }' "/proc/$pid/status"; }

echo "== Processor: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; ${seconds} s a phase"
for phase in quiet headers drip idle; do
  start_service 1000000
  /usr/bin/python3 "$here/attack.py" "$port" "$phase" "$seconds"
  peak
done

echo "== 5,000 distinct addresses of 127.0.0.0/8, one request each (table of 4096)"
start_service 1000000
/usr/bin/python3 "$here/many_sources.py" "$port" \
  "/qzsmtp.asp?ID=QZ&mailFrom=Tom&mailTo=gran%40example.org&msg=Hello&serial=VX1" 5000
peak
grep -m1 'client table is full' "$scratch/log" || echo "the table did not fill"
echo "counted by a coarser block: $(grep -c 'counted as' "$scratch/log") replies," \
  "e.g. $(grep -m1 -o 'counted as [^)]*' "$scratch/log" || echo none)"
