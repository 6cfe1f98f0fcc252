#!/usr/bin/env bash
# Rates the pages Tarvo makes as today's web does: a new page from every
# shipped template and one from scratch (a heading, two paragraphs, a link,
# an e-mail link, a line and a picture with its text), the same with a
# picture that is decoration only and with a picture as its icon, are
# exported with `tarvo --export`, served on a local web server and run through
# Lighthouse in headless Chromium. Prints the four category scores and the
# failing audits per page.
#
#   tools/page-quality.sh [BUILD_DIR]      (default: build)
#
# Needs Debian's chromium, node and npm. Lighthouse (npm `lighthouse`) is
# installed into a folder of its own when it is missing there:
# LIGHTHOUSE_DIR, default ~/.cache/tarvo-page-quality. The test suite does
# not need any of this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
tarvo=$build/bin/tarvo
[ -x "$tarvo" ] || { echo "page-quality: no program at $tarvo (build first)" >&2; exit 1; }
chromium=${CHROMIUM:-$(command -v chromium || true)}
[ -n "$chromium" ] || { echo "page-quality: chromium is not installed (apt-get install chromium)" >&2; exit 1; }

lhdir=${LIGHTHOUSE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/tarvo-page-quality}
lighthouse=$lhdir/node_modules/.bin/lighthouse
if [ ! -x "$lighthouse" ]; then
  echo "page-quality: installing lighthouse into $lhdir" >&2
  mkdir -p "$lhdir"
  npm install --silent --no-audit --no-fund --prefix "$lhdir" lighthouse@12 >&2
fi

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A program folder of its own, so nothing of the user's is read or written.
appdir=$work/app
cp -r "$build/bin/." "$appdir/"
export TARVO_APPDIR=$appdir HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME" "$work/docs" "$work/site"

# New pages: a template with the page options a page started from it gets
# (its language, the readable layout, fitting phone screens) appended after
# its trailer; and one page from scratch, in Polish.
python3 - "$appdir" "$work/docs" <<'EOF'
import glob, os, struct, sys
appdir, docs = sys.argv[1], sys.argv[2]

def s(text):
    b = text.encode('utf-8')
    return struct.pack('<i', len(b) - 1) + b

def i32(v):
    return struct.pack('<i', v)

def options(language, description='', icon=None, decoration=()):
    body = bytes([0x01 | 0x02]) + s(language) + s(description)
    if icon is not None or decoration:
        # The chosen icon and the places of the decoration pictures.
        body += s(icon or '') + i32(len(decoration)) + b''.join(i32(d) for d in decoration)
    return b'Page options' + i32(len(body)) + body

for t in glob.glob(os.path.join(appdir, 'template', '*.tvt')):
    name = os.path.splitext(os.path.basename(t))[0]
    data = open(t, 'rb').read()
    open(os.path.join(docs, name + '.tve'), 'wb').write(data + options('en'))

PARA, LINK, IMAGE, HEADING, EMAIL, LINE = range(6)
chunks = [
    i32(HEADING) + s('1 (Largest)') + s('Chór Świętej Cecylii w Łodzi') + i32(2),
    i32(PARA) + s('Śpiewamy razem od 1998 roku. Próby są w każdy czwartek o 19:00 w sali parafialnej.') + i32(1) + bytes([0]),
    i32(IMAGE) + s('graphics\\beach.jpg') + s('') + s('') + s('Nasz chór po koncercie') + s('http://') + i32(2) + bytes([0]),
    i32(PARA) + s('Zapraszamy nowe głosy: soprany, alty, tenory i basy. Nie trzeba znać nut.') + i32(1) + bytes([0]),
    i32(LINK) + s('Nasz kalendarz jest na') + s('https://example.com/kalendarz') + s('stronie parafii') + s('.') + i32(1) + bytes([0]),
    i32(LINE) + s('90') + s('2'),
    i32(EMAIL) + s('chor@example.com') + s('Napisz do nas:') + s('chor@example.com') + s('') + i32(1) + bytes([0]),
]
def page(title, chunks, opts):
    return (b'Tarvo File' + b'1.04' + s('[None]') + s(title) + i32(len(chunks)) + b''.join(chunks) +
            i32(4) + i32(-1) + b'End of Tarvo File >=)' + opts)
open(os.path.join(docs, 'From scratch.tve'), 'wb').write(page('Chór Świętej Cecylii', chunks, options('pl')))

# The same page with a picture that is decoration only (no words), and one
# with a picture of its own as its icon.
flourish = i32(IMAGE) + s('graphics\\flowers.png') + s('150') + s('180') + s('') + s('http://') + i32(2) + bytes([0])
open(os.path.join(docs, 'Decoration.tve'), 'wb').write(
    page('Chór Świętej Cecylii', chunks[:1] + [flourish] + chunks[1:], options('pl', decoration=(1,))))
open(os.path.join(docs, 'Chosen icon.tve'), 'wb').write(
    page('Chór Świętej Cecylii', chunks, options('pl', icon='graphics\\cake.png')))
EOF

pages=()
for doc in "$work/docs"/*.tve; do
  name=$(basename "$doc" .tve)
  slug=$(echo "$name" | tr 'A-Z ' 'a-z-')
  out=$work/site/$slug
  mkdir -p "$out"
  "$tarvo" --export "$doc" "$out" >/dev/null 2>"$work/export.err" || { cat "$work/export.err" >&2; exit 1; }
  html=$(cd "$out" && ls -- *.html | head -n 1)
  pages+=("$name|$slug/$html")
done

# A local web server on a free port of 127.0.0.1.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server_pid=$!
for _ in $(seq 50); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done

flags="--headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update"
flags="$flags --disable-sync --no-first-run"
printf '%-16s %13s %14s %5s %11s\n' page accessibility best-practices seo performance
failing=()
for entry in "${pages[@]}"; do
  name=${entry%%|*}
  path=${entry#*|}
  url="http://127.0.0.1:$port/$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1]))' "$path")"
  report=$work/report.json
  profile=$(mktemp -d "$work/profile.XXXX")
  CHROME_PATH=$chromium "$lighthouse" "$url" --quiet --output=json --output-path="$report" \
    --only-categories=accessibility,best-practices,seo,performance \
    --chrome-flags="$flags --user-data-dir=$profile" >/dev/null 2>"$work/lh.err" ||
    { echo "$name: lighthouse failed" >&2; cat "$work/lh.err" >&2; continue; }
  python3 - "$name" "$report" <<'EOF'
import json, sys
name, report = sys.argv[1], json.load(open(sys.argv[2]))
c = report['categories']
score = lambda k: '%.2f' % c[k]['score'] if c[k]['score'] is not None else '-'
print('%-16s %13s %14s %5s %11s' % (name[:16], score('accessibility'), score('best-practices'), score('seo'),
                                    score('performance')))
fails = []
for k in ('accessibility', 'best-practices', 'seo', 'performance'):
    for ref in c[k]['auditRefs']:
        a = report['audits'][ref['id']]
        if ref.get('weight', 0) > 0 and a.get('score') is not None and a['score'] < 1 and \
                a.get('scoreDisplayMode') in ('binary', 'numeric', 'metricSavings'):
            fails.append('%s (%s %.2f)' % (ref['id'], k, a['score']))
with open(sys.argv[2] + '.fails', 'w') as f:
    f.write('\n'.join(fails))
EOF
  if [ -s "$report.fails" ]; then failing+=("$name: $(paste -sd ';' "$report.fails" | sed 's/;/; /g')"); fi
done
if [ ${#failing[@]} -gt 0 ]; then
  echo
  echo "failing audits:"
  printf '  %s\n' "${failing[@]}"
fi
