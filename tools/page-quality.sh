#!/usr/bin/env bash
# Rates the pages Tarvo makes as today's web does: a new page from every
# shipped template and one from scratch (a heading, two paragraphs, a link,
# an e-mail link, a line and a picture with its text), the same with a
# picture that is decoration only and with a picture as its icon, and a
# site of four pages with a menu exported with its web address (the local
# server's), with its 404 page, are exported with `tarvo --export`, served
# on a local web server and run through Lighthouse in headless Chromium at
# each width of PAGE_QUALITY_WIDTHS (default "390 1000 1280": a phone, then
# desktop windows). Prints the four category scores and the failing audits
# per page and width.
#
#   tools/page-quality.sh [BUILD_DIR]      (default: build)
#   PAGE_QUALITY_SITE_ONLY=1 tools/page-quality.sh   only the site's pages
#   PAGE_QUALITY_URLS="URL ..." tools/page-quality.sh  pages already on a web server
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

pages=()
if [ -n "${PAGE_QUALITY_URLS:-}" ]; then
  # Pages already on a web server (tools/walkthrough rates what landed on
  # its server this way): each address is rated as it is.
  for url in $PAGE_QUALITY_URLS; do pages+=("$(basename "${url%/}")|$url"); done
else
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

def options(language, description='', icon=None, decoration=(), menu=False):
    body = bytes([0x01 | 0x02 | (0x04 if menu else 0)]) + s(language) + s(description)
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

# A site of four pages that show its menu, in English, into a folder of
# its own: its record names the pages in the menu's order.
import hashlib, json
site = os.path.join(docs, 'site')
os.makedirs(site, exist_ok=True)
def para(text):
    return i32(PARA) + s(text) + i32(1) + bytes([0])
def heading(text):
    return i32(HEADING) + s('1 (Largest)') + s(text) + i32(2)
pages = [
    ('index', 'Home', 'St Cecilia Choir', [heading('St Cecilia Choir'),
        para('We have sung together since 1998. Rehearsals are every Thursday at 7 pm in the parish hall.'),
        i32(IMAGE) + s('graphics\\beach.jpg') + s('') + s('') + s('Our choir after a concert') + s('http://') + i32(2) + bytes([0])]),
    ('about', 'About us', 'About the choir', [heading('About the choir'),
        para('Thirty singers from the town, young and old, who love to sing.')]),
    ('concerts', 'Concerts', 'Our concerts', [heading('Our concerts'),
        para('We sing at Christmas, at Easter and in the summer in the park.')]),
    ('contact', 'Contact', 'Write to us', [heading('Write to us'),
        para('New voices are welcome: sopranos, altos, tenors and basses.'),
        i32(EMAIL) + s('choir@example.com') + s('Write to us:') + s('choir@example.com') + s('') + i32(1) + bytes([0])]),
]
for name, words, title, blocks in pages:
    open(os.path.join(site, name + '.tve'), 'wb').write(page(title, blocks, options('en', menu=True)))
html = os.path.realpath(os.path.join(appdir, 'HTMLFiles'))
record = {'folder': html, 'pages': [{'file': n + '.html', 'words': w, 'menu': True} for n, w, _, _ in pages]}
data = os.path.join(os.environ['XDG_DATA_HOME'], 'Brenfold', 'Tarvo', 'sites')
os.makedirs(data, exist_ok=True)
open(os.path.join(data, hashlib.sha256(html.encode()).hexdigest()[:32] + '.json'), 'w').write(json.dumps(record))
EOF

[ -n "${PAGE_QUALITY_SITE_ONLY:-}" ] && rm -f "$work/docs"/*.tve
for doc in "$work/docs"/*.tve; do
  [ -e "$doc" ] || continue
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

# The site: every page's HTML file first (the menu links them all), then
# the home page exported with the server's address as its web address,
# into the root the server shows, so its robots.txt is read.
for doc in "$work/docs/site"/*.tve; do
  "$tarvo" --html "$doc" -o "$appdir/HTMLFiles/$(basename "$doc" .tve).html" 2>"$work/export.err" ||
    { cat "$work/export.err" >&2; exit 1; }
done
"$tarvo" --export "$work/docs/site/index.tve" "$work/site" --web-address "http://127.0.0.1:$port/" >/dev/null \
  2>"$work/export.err" || { cat "$work/export.err" >&2; exit 1; }
# The home page where its visitors meet it, the folder's own address.
pages+=("site: home|" "site: about|about.html" "site: concerts|concerts.html" "site: contact|contact.html"
        "site: 404|404.html")

python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >/dev/null 2>&1 &
server_pid=$!
for _ in $(seq 50); do
  python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done

fi

flags="--headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update"
flags="$flags --disable-sync --no-first-run"
printf '%-16s %5s %13s %14s %5s %11s\n' page width accessibility best-practices seo performance
failing=()
for entry in "${pages[@]}"; do
  name=${entry%%|*}
  path=${entry#*|}
  if [[ $path == http* ]]; then
    url=$path
  else
    url="http://127.0.0.1:$port/$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1]))' "$path")"
  fi
  for width in ${PAGE_QUALITY_WIDTHS:-390 1000 1280}; do
  # A phone below 600 pixels (at Lighthouse's own phone pixel ratio of
  # 1.75 unless PAGE_QUALITY_PHONE_DPR says otherwise), a desktop window
  # from there on.
  if [ "$width" -lt 600 ]; then
    screen="--form-factor=mobile --screenEmulation.mobile=true --screenEmulation.width=$width"
    screen="$screen --screenEmulation.height=844 --screenEmulation.deviceScaleFactor=${PAGE_QUALITY_PHONE_DPR:-1.75}"
  else
    screen="--preset=desktop --screenEmulation.width=$width --screenEmulation.height=800"
  fi
  report=$work/report.json
  profile=$(mktemp -d "$work/profile.XXXX")
  # shellcheck disable=SC2086
  CHROME_PATH=$chromium "$lighthouse" "$url" --quiet --output=json --output-path="$report" \
    --only-categories=accessibility,best-practices,seo,performance $screen \
    --chrome-flags="$flags --user-data-dir=$profile" >/dev/null 2>"$work/lh.err" ||
    { echo "$name: lighthouse failed" >&2; cat "$work/lh.err" >&2; continue; }
  python3 - "$name" "$report" "$width" <<'EOF'
import json, sys
name, report, width = sys.argv[1], json.load(open(sys.argv[2])), sys.argv[3]
c = report['categories']
score = lambda k: '%.2f' % c[k]['score'] if c[k]['score'] is not None else '-'
print('%-16s %5s %13s %14s %5s %11s' % (name[:16], width, score('accessibility'), score('best-practices'),
                                        score('seo'), score('performance')))
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
  if [ -s "$report.fails" ]; then failing+=("$name ($width): $(paste -sd ';' "$report.fails" | sed 's/;/; /g')"); fi
  done
done
if [ ${#failing[@]} -gt 0 ]; then
  echo
  echo "failing audits:"
  printf '  %s\n' "${failing[@]}"
fi
