#!/usr/bin/env bash
# The Debian packages as a family gets them: built, checked by lintian, unpacked
# into a scratch root; the postcard service checks its shipped configuration
# there, and the program is run by an ordinary user under a virtual X
# server of its own: it starts, fills an area, turns a page and back and
# closes; the pages are in that user's folder, nothing is written into the
# unpacked tree, and a second start hands over to the first window.
#   PackageTest.sh <build folder> <xclose program>
set -uo pipefail
build=$1
xclose=$2
scratch=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
skip() { echo "SKIP: $*"; exit 0; }

# Polls a command for up to 20 s.
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.2; done
  return 1
}

echo "== Building the package"
(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null) ||
  fail "cpack"
deb=$(ls "$scratch"/out/vellumix_*_amd64.deb 2>/dev/null | head -1)
[ -f "$deb" ] || fail "no vellumix_<version>_amd64.deb"
echo "$(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q fonts-liberation2 || fail "fonts missing from Depends"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "libraries missing from Depends"

service_deb=$(ls "$scratch"/out/vellumix-postcard-service_*_amd64.deb 2>/dev/null | head -1)
[ -f "$service_deb" ] || fail "no vellumix-postcard-service_<version>_amd64.deb"
echo "$(basename "$service_deb")"
dpkg-deb -f "$service_deb" Depends | grep -q libmicrohttpd || fail "libraries missing from the service's Depends"
dpkg-deb -f "$service_deb" Depends | grep -q libqt6widgets && fail "the service depends on widgets"
dpkg-deb -I "$deb" conffiles | grep -qx /etc/xdg/Vellumix/Vellumix.conf || fail "Vellumix.conf is no conffile"
dpkg-deb -I "$service_deb" conffiles | grep -qx /etc/vellumix/postcard-service.conf ||
  fail "postcard-service.conf is no conffile"

echo "== lintian"
lintian --tag-display-limit 0 "$deb" "$service_deb" | tee "$scratch/lintian.txt"
grep -q '^E:' "$scratch/lintian.txt" && fail "lintian reports errors"

echo "== Unpacking and checking the menu entry"
root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x"
dpkg -x "$service_deb" "$root" || fail "dpkg -x of the service"
grep -q '^#service' "$root/etc/xdg/Vellumix/Vellumix.conf" || fail "the settings file's keys are not commented out"
grep -q '^[a-z]' "$root/etc/xdg/Vellumix/Vellumix.conf" && fail "the settings file sets a key"
"$root/usr/bin/vellumix-postcard-service" --config "$root/etc/vellumix/postcard-service.conf" \
  --check-config || fail "the shipped service configuration does not check out"
[ -f "$root/lib/systemd/system/vellumix-postcard-service.service" ] || fail "no systemd unit"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop file"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "metainfo"
metainfo=$(cat "$root"/usr/share/metainfo/*.metainfo.xml)
shot=$(sed -n 's#.*<image>.*/raw/main/\(.*\)</image>.*#\1#p' <<<"$metainfo")
[ -n "$shot" ] && [ -f "$(dirname "$0")/../../$shot" ] ||
  fail "the metainfo's screenshot is not one the repository holds: ${shot:-none}"
for word in undone printed; do
  grep -q "$word" <<<"$metainfo" || fail "the metainfo's description leaves out: $word"
done
for size in 16 32 48 64 128 256; do
  [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/net.example.vellumix.png" ] ||
    fail "no ${size}px icon"
done
[ -L "$root/usr/bin/vellumix" ] || fail "/usr/bin/vellumix is not a link"
chmod 755 "$scratch"
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)

id nobody >/dev/null 2>&1 || skip "there is no user nobody"
home=$scratch/home
mkdir -p "$home" && chown nobody "$home"
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i DISPLAY="${DISPLAY:-}" HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=xcb "$@"
}
as_user true 2>/dev/null || skip "the machine refuses to switch to the user nobody"

# The user's program must reach this X server, so it lets every client in.
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -ac >"$scratch/display" 2>/dev/null &
xvfb_pid=$!
wait_for test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$scratch/display")

echo "== Running the unpacked program as nobody"
as_user "$root/usr/bin/vellumix" &
program_pid=$!
window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Vellumix$' 2>/dev/null | head -1); [ -n "$window" ]; }
wait_for find_window || fail "no window"
click() { # window client x y
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.5
}
pages=$home/.local/share/Vellumix/pages
[ "$(ls "$pages"/*.bmp | wc -l)" -eq 16 ] || fail "the user's folder lacks the 16 pages"
pixel() { convert "$1" -format '%[pixel:p{6,6}]' info: 2>/dev/null; }
click 225 557  # the blue brush
click 151 44   # the white around page 1's drawing
click 735 230  # next page: page 1 is stored
blue_page() { case $(pixel "$pages/1.bmp") in blue | "srgb(0,0,255)") ;; *) return 1 ;; esac; }
wait_for blue_page || fail "page 1 was not stored blue in the user's folder ($(pixel "$pages/1.bmp"))"
sleep 1
click 55 230   # back to page 1

echo "== A second start"
as_user "$root/usr/bin/vellumix"
status=$?
[ "$status" -eq 0 ] || fail "the second start ended with $status"
kill -0 "$program_pid" 2>/dev/null || fail "the first window went away"
blue_page || fail "the second start remade the pages"

"$xclose" "$window"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "closing ended with $status"
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the unpacked tree changed: $(diff <(echo "$before") <(echo "$after"))"
echo "PASS"
