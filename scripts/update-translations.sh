#!/usr/bin/env bash
# Brings the translations up to date with the program's texts: every text
# in the sources lands in each translations/vellumix_<language>.ts, new ones
# marked unfinished for the translator, gone ones dropped.
#   scripts/update-translations.sh              update translations/*.ts
#   scripts/update-translations.sh sv           also start vellumix_sv.ts
#   scripts/update-translations.sh --into DIR   update copies in DIR, leaving
#                                               translations/ alone (the test)
# Also: cmake --build build --target update_translations
set -euo pipefail
shopt -s nullglob
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

into=""
if [ "${1:-}" = "--into" ]; then
  into=$2
  shift 2
fi
ts_files=("$root"/translations/vellumix_*.ts)
for language in "$@"; do
  ts_files+=("$root/translations/vellumix_$language.ts")
done
if [ -n "$into" ]; then
  mkdir -p "$into"
  cp "${ts_files[@]}" "$into"/
  ts_files=("$into"/vellumix_*.ts)
fi

# Every folder whose texts a user can see; no line numbers, so moving code
# changes nothing here.
cd "$root"
extract() {
  "$lupdate" -silent "$@" -locations none -extensions cpp,h -I "$root" \
    book pixels resources controls colouring postcard app tools/menuentry \
    -ts "${ts_files[@]}"
}
# A text that moved to another class keeps its translation: lupdate files
# it under the new class as unfinished and the old entry as vanished, so
# the translation is carried over before the vanished entries are dropped.
extract
/usr/bin/python3 - "${ts_files[@]}" <<'PY'
import sys
import xml.etree.ElementTree as ET

for path in sys.argv[1:]:
    tree = ET.parse(path)
    messages = [(m.find("source").text, m.find("translation")) for m in tree.iter("message")]
    gone = {source: t.text for source, t in messages if t.get("type") == "vanished" and t.text}
    for source, t in messages:
        if t.get("type") == "unfinished" and source in gone:
            t.text = gone[source]
            del t.attrib["type"]
    tree.write(path, encoding="utf-8", xml_declaration=True)
PY
extract -no-obsolete
