# shellcheck shell=bash
# Sourced by the load scripts beside it with the build folder: the service
# built there, on a scratch folder removed on exit.
#   start_service <postcards per hour>: (re)starts it; sets port and pid.
#   stop_service, fail <why>.
service=$(cd "$1" && pwd)/vellumix-postcard-service
scratch=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

stop_service() {
  [ -n "$pid" ] && kill "$pid" && wait "$pid" || true
  pid=""
}
start_service() {
  stop_service
  cat >"$scratch/service.conf" <<CONF
[listen]
port = 0
[mail]
server = mail.home.arpa
[clients]
allowed = 127.0.0.0/8
postcards_per_hour = $1
CONF
  "$service" --config "$scratch/service.conf" 2>"$scratch/log" &
  pid=$!
  port=""
  for _ in $(seq 100); do
    port=$(sed -n 's/^listening on http:\/\/127.0.0.1:\([0-9]*\)$/\1/p' "$scratch/log")
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  fail "the service did not start: $(cat "$scratch/log")"
}
