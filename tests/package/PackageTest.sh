#!/usr/bin/env bash
# The Debian packages as a family gets them: built, checked by lintian, unpacked
# into a scratch root; the postcard service checks its shipped configuration
# there, and the run test (UnpackedProgramTest) has an ordinary user run the
# program under a virtual X server of its own; nothing is written into the
# unpacked tree.
#   PackageTest.sh <build folder> <run test> <xvfb-case.sh>
set -uo pipefail
build=$1
run_test=$2
xvfb_case=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

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

echo "== Running the unpacked program as an ordinary user"
VELLUMIX_UNPACKED_ROOT=$root "$xvfb_case" 1024x768 "$run_test" | tee "$scratch/run.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "the run of the unpacked program"
if grep -q '^\[  SKIPPED \]' "$scratch/run.txt"; then echo "SKIP: the run, for the reason above"; exit 0; fi
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the unpacked tree changed: $(diff <(echo "$before") <(echo "$after"))"
echo "PASS"
