#!/usr/bin/env bash
# Checks that every language of translations/LINGUAS is shipped whole: its
# translations/tarvo_LANG.ts exists and, after lupdate over src/ into a copy
# of it, holds a finished translation of every text of the program (a new
# text, or one left unfinished, fails the check, named with its language);
# and packaging/tarvo.desktop names and describes the program in it.
#
#   tools/check-translations.sh           check only (the test suite runs this)
#   tools/check-translations.sh --update  bring the .ts files up to date with
#                                         the source first (new texts come in
#                                         unfinished, removed ones go), then check
#
# LUPDATE names the lupdate program (default: Qt 6's).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
  for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate=$candidate; break; fi
  done
fi
[ -n "$lupdate" ] || { echo "check-translations: lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 2; }
update=0
[ "${1:-}" = "--update" ] && update=1

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
shopt -s nullglob
files=("$root"/translations/tarvo_*.ts)
[ ${#files[@]} -gt 0 ] || { echo "check-translations: no translations/tarvo_*.ts" >&2; exit 2; }
languages=$(grep -v '^#' "$root/translations/LINGUAS" | tr -s ' \n' '  ')
for language in $languages; do
  if [ ! -f "$root/translations/tarvo_$language.ts" ]; then
    echo "translations/LINGUAS names $language, but translations/tarvo_$language.ts is missing: every text needs a translation into $language"
    status=1
  fi
  for key in Name GenericName Comment Keywords; do
    if ! grep -q "^$key\[$language\]=" "$root/packaging/tarvo.desktop"; then
      echo "packaging/tarvo.desktop: no $key[$language]"
      status=1
    fi
  done
done
for ts in "${files[@]}"; do
  language=$(basename "$ts" .ts); language=${language#tarvo_}
  case " $languages " in
    *" $language "*) ;;
    *) echo "$(basename "$ts"): $language is not listed in translations/LINGUAS"; status=1 ;;
  esac
done
for ts in "${files[@]}"; do
  target=$ts
  if [ $update = 0 ]; then
    target=$tmp/$(basename "$ts")
    cp "$ts" "$target"
  fi
  # No source locations in the .ts: moving code does not change it.
  if ! "$lupdate" -locations none -no-obsolete "$root/src" -ts "$target" >"$tmp/log" 2>&1; then
    cat "$tmp/log" >&2
    exit 2
  fi
  if grep -qi 'warning\|error' "$tmp/log"; then
    grep -i 'warning\|error' "$tmp/log" >&2
    status=1
  fi
  python3 - "$target" "$(basename "$ts")" <<'PY' || status=1
import sys, xml.etree.ElementTree as ET
path, name = sys.argv[1], sys.argv[2]
left = []
for context in ET.parse(path).getroot().iter('context'):
    ctx = context.findtext('name')
    for m in context.iter('message'):
        t = m.find('translation')
        kind = t.get('type') if t is not None else 'unfinished'
        if kind in ('vanished', 'obsolete'):
            continue
        if kind == 'unfinished' or not (t.text or '').strip():
            left.append('%s: %s' % (ctx, (m.findtext('source') or '').replace('\n', '\\n')))
if left:
    language = name[len('tarvo_'):-len('.ts')]
    print('%s: %d text(s) without a finished %s translation (context: English text):' % (name, len(left), language))
    for line in left:
        print('  ' + line)
    sys.exit(1)
print('%s: complete' % name)
PY
done
exit $status
