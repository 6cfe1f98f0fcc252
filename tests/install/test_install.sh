#!/usr/bin/env bash
# test_install.sh BUILD_DIR SOURCE_DIR
# Installs the build (stripped) into a temporary prefix, starts the installed
# program on an installed template, checks its options without a display,
# its manual page and documents, the desktop entry, the AppStream metadata,
# the MIME type and the icons the desktop will use, and what a newer install
# does to a user's folder.
set -euo pipefail
build="$1"
source="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/usr"
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

cmake --install "$build" --prefix "$prefix" --strip >/dev/null
share="$prefix/share"

# The program, started from the install folder with a home of its own,
# fills the user's data folder from share/tarvo and writes a page's HTML.
[ -x "$prefix/bin/tarvo" ] || fail "bin/tarvo missing"
templates=("$share"/tarvo/template/*.tvt)
[ -f "${templates[0]}" ] || fail "no template installed in share/tarvo/template"
for d in HTMLFiles/graphics HTMLFiles/backgrnd template Help; do
  [ -d "$share/tarvo/$d" ] || fail "share/tarvo/$d missing"
done
[ -f "$share/tarvo/Styles.data" ] || fail "share/tarvo/Styles.data missing"
home="$tmp/home"
mkdir -p "$home"
if HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
   "$prefix/bin/tarvo" --html "${templates[0]}" -o "$tmp/page.html" 2>"$tmp/err"; then
  grep -qi "<html" "$tmp/page.html" || fail "--html wrote no page"
else
  fail "installed tarvo --html failed: $(cat "$tmp/err")"
fi
"$prefix/bin/tarvo" --text "$tmp/page.html" >"$tmp/page.txt" 2>"$tmp/err" && [ -s "$tmp/page.txt" ] ||
  fail "installed tarvo --text failed: $(cat "$tmp/err")"
userdir="$home/.local/share/Brenfold/Tarvo"
[ -f "$userdir/Styles.data" ] && [ -d "$userdir/save" ] && [ -d "$userdir/HTMLFiles/graphics" ] ||
  fail "the user's data folder was not made from share/tarvo"
cmp -s "$share/tarvo/Styles.data" "$userdir/Styles.data" || fail "Styles.data differs in the user's folder"
# Help and templates are read from the install, never copied.
[ ! -e "$userdir/Help" ] && [ -z "$(ls "$userdir/template")" ] || fail "help or templates copied to the user's folder"

# A newer install: a changed shipped picture reaches the user, a style file
# the user changed stays the user's, the user's saved page is untouched.
pictures=("$share"/tarvo/HTMLFiles/graphics/*)
picture="${pictures[0]#"$share/tarvo/"}"
echo "the user's style" >>"$userdir/Styles.data"
cp "$userdir/Styles.data" "$tmp/styles.mine"
echo page >"$userdir/save/mine.tve"
chmod u+w "$share/tarvo/Styles.data" "$share/tarvo/$picture"
echo "a newer style" >>"$share/tarvo/Styles.data"
printf 'newer' >>"$share/tarvo/$picture"
HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
  "$prefix/bin/tarvo" --html "${templates[0]}" -o "$tmp/page2.html" 2>/dev/null || fail "second start failed"
cmp -s "$tmp/styles.mine" "$userdir/Styles.data" || fail "the user's changed Styles.data was replaced"
cmp -s "$share/tarvo/$picture" "$userdir/$picture" || fail "the newer $picture did not reach the user"
[ "$(cat "$userdir/save/mine.tve")" = page ] || fail "the user's saved page changed"

# --help and --version print and exit without a display; the window's
# arguments are checked; the manual page, copyright and changelog are there.
noscreen=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
out="$("${noscreen[@]}" "$prefix/bin/tarvo" --help)" || fail "--help failed"
for word in "Usage: tarvo" --html --text --render --upload --to --server --trust --no-logo --width "Exit status"; do
  grep -qF -- "$word" <<<"$out" || fail "--help does not mention $word"
done
# The version is the changelog's latest.
version="$(dpkg-parsechangelog -l "$source/packaging/changelog" -S Version)"
[ "$("${noscreen[@]}" "$prefix/bin/tarvo" --version)" = "tarvo $version" ] || fail "--version is not tarvo $version"
# ... and the AppStream metadata's newest release.
release="$(python3 -c 'import sys, xml.etree.ElementTree as ET; print(ET.parse(sys.argv[1]).getroot().find("releases/release").get("version"))' "$source/packaging/example.tarvo.Tarvo.metainfo.xml")"
[ "$release" = "$version" ] || fail "the AppStream metadata's newest release is $release, the changelog's $version"
# Every shipped language's translation is installed; a translated help
# has its pictures.
for language in $(grep -v '^#' "$source/translations/LINGUAS"); do
  [ -s "$share/tarvo/translations/tarvo_$language.qm" ] || fail "tarvo_$language.qm is not installed"
  if [ -d "$source/data/Help/$language" ]; then
    [ -s "$share/tarvo/Help/$language/index.html" ] && [ -s "$share/tarvo/Help/$language/pictures/Toolbar.png" ] ||
      fail "the $language help or its pictures are not installed"
  fi
done
status=0
"$prefix/bin/tarvo" --no-such-option 2>"$tmp/err" || status=$?
[ "$status" -eq 1 ] && grep -q "no-such-option" "$tmp/err" || fail "an unknown option gave status $status: $(cat "$tmp/err")"
zcat "$share/man/man1/tarvo.1.gz" | grep -q "^\.SH EXIT STATUS" || fail "the manual page is missing or incomplete"
[ -s "$share/doc/tarvo/copyright" ] && [ -s "$share/doc/tarvo/changelog.gz" ] || fail "copyright or changelog missing"
library=""
for f in "$prefix"/lib/*/tarvo/libtarvo-program.so "$prefix"/lib/tarvo/libtarvo-program.so; do
  [ -e "$f" ] && library="$f"
done
[ -n "$library" ] || fail "the program library is not installed"
media="$(dirname "$library")/libtarvo-media.so"
[ -e "$media" ] || fail "the sound-and-video module is not installed beside the program library"
git="$(dirname "$library")/libtarvo-git.so"
[ -e "$git" ] || fail "the Git module is not installed beside the program library"
for f in "$prefix/bin/tarvo" $library $media $git; do
  file -L "$f" | grep -q ", stripped" || fail "the installed ${f#"$prefix"/} is not stripped"
done

# Desktop entry and AppStream metadata: the validators say nothing.
desktop="$share/applications/tarvo.desktop"
out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
metainfo=("$share"/metainfo/*.metainfo.xml)
if out="$(appstreamcli validate --no-net "${metainfo[0]}" 2>&1)"; then
  if grep -q "tarvo.example" "${metainfo[0]}"; then fail "metainfo names a host that does not resolve"; fi
  if grep -qE '^(W|E):' <<<"$out"; then fail "appstreamcli: $out"; fi
else
  fail "appstreamcli: $out"
fi

# The MIME file is XML naming both extensions; the desktop entry offers
# exactly its types; every icon named is installed at every size.
python3 - "$share" <<'PY' || fails=$((fails + 1))
import configparser, sys, xml.etree.ElementTree as ET
from pathlib import Path
share = Path(sys.argv[1])
ns = {"m": "http://www.freedesktop.org/standards/shared-mime-info"}
root = ET.parse(share / "mime/packages/tarvo.xml").getroot()
types = {t.get("type"): t for t in root.findall("m:mime-type", ns)}
globs = {t: [g.get("pattern") for g in e.findall("m:glob", ns)] for t, e in types.items()}
bad = []
if sorted(p for ps in globs.values() for p in ps) != ["*.tve", "*.tvt"]:
    bad.append(f"MIME globs are {globs}")
for t, e in types.items():
    if not e.findall("m:magic/m:match", ns):
        bad.append(f"{t} has no magic")
entry = configparser.ConfigParser(interpolation=None)
entry.optionxform = str
entry.read(share / "applications/tarvo.desktop")
d = entry["Desktop Entry"]
offered = {m for m in d["MimeType"].split(";") if m}
if offered != set(types):
    bad.append(f"desktop entry offers {offered}, MIME file has {set(types)}")
if d["Exec"] != "tarvo %f" or d["Icon"] != "tarvo":
    bad.append(f"Exec/Icon are {d['Exec']!r}/{d['Icon']!r}")
meta = ET.parse(next((share / "metainfo").glob("*.metainfo.xml"))).getroot()
if meta.findtext("launchable") != "tarvo.desktop":
    bad.append("metainfo launches " + str(meta.findtext("launchable")))
icons = [("apps", "tarvo")] + [("mimetypes", t.replace("/", "-")) for t in types]
for context, name in icons:
    for size in (16, 22, 24, 32, 48, 64, 128, 256):
        png = share / f"icons/hicolor/{size}x{size}/{context}/{name}.png"
        data = png.read_bytes() if png.exists() else b""
        if data[:8] != b"\x89PNG\r\n\x1a\n" or int.from_bytes(data[16:20], "big") != size:
            bad.append(f"{png} missing or not {size} px")
    svg = share / f"icons/hicolor/scalable/{context}/{name}.svg"
    if not svg.exists() or ET.parse(svg).getroot().tag != "{http://www.w3.org/2000/svg}svg":
        bad.append(f"{svg} missing or not SVG")
for b in bad:
    print("FAIL:", b)
sys.exit(1 if bad else 0)
PY

# Only the shipped files: nothing of the build's own (programs, tests).
extra="$(cd "$prefix" && find . -type f | grep -vE '^\./(bin/tarvo|lib/([^/]+/)?tarvo/libtarvo-(program|media|git)\.so|share/(tarvo|applications|icons|mime|metainfo|man/man1/tarvo\.1\.gz|doc/tarvo/(copyright|changelog\.gz))($|/))' || true)"
[ -z "$extra" ] || fail "unexpected files installed: $extra"

[ "$fails" -eq 0 ] && echo "install checks passed"
exit "$fails"
