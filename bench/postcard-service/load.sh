#!/usr/bin/env bash
# Load test of vellumix-postcard-service on loopback, with wrk. Not part of
# ./test.sh's pass/fail: it prints its figures and fails only when an answer
# is wrong.
#   bench/postcard-service/load.sh [build folder]
# 1. 64 connections for 20 s of allowed requests (hourly limit raised):
#    every answer the reply; requests per second and latency.
# 2. One client far over its limit of 20 an hour: 20 replies, then 4xx pages.
# 3. 10,000 distinct source addresses of 127.0.0.0/8, one request each: the
#    service's memory before and after (its client table is capped at 4096).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/service.sh" "${1:-$here/../../build}"
command -v wrk >/dev/null || fail "wrk is not installed (scripts/install-deps.sh test)"
memory() { awk '/^(VmRSS|VmHWM)/ { printf "%s %d MiB  ", $1, $2 / 1024 }' "/proc/$pid/status"; echo; }
query="/qzsmtp.asp?ID=QZ&mailFrom=Tom&mailTo=gran%40example.org&msg=Hello%20gran%0Aa%20picture&serial=VX1"

echo "== Processor: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores"

echo "== 64 connections, 20 s, limit raised"
start_service 1000000000
memory
wrk -t2 -c64 -d20s --latency -s "$here/count.lua" "http://127.0.0.1:$port$query" | tee "$scratch/wrk1"
memory
grep -q ' wrong 0$' "$scratch/wrk1" || fail "some answers were not the reply"
grep -q ' refused 0 ' "$scratch/wrk1" || fail "allowed requests were refused"

echo "== One client over its limit of 20 an hour, 5 s"
start_service 20
wrk -t1 -c4 -d5s -s "$here/count.lua" "http://127.0.0.1:$port$query" | tee "$scratch/wrk2"
grep -q '^answered 20 refused [1-9][0-9]* wrong 0$' "$scratch/wrk2" ||
  fail "not exactly 20 replies then 4xx pages"

echo "== 10,000 source addresses of 127.0.0.0/8, one request each"
start_service 20
memory
/usr/bin/python3 "$here/many_sources.py" "$port" "$query" 10000
memory
echo "== Log lines: $(wc -l <"$scratch/log")"
