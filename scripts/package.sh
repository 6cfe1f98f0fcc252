#!/usr/bin/env bash
# Builds Tarvo, makes the Debian package (build/tarvo_VERSION_ARCH.deb) and
# checks it with lintian: the script fails on any lintian error, and on any warning that
# README.md does not explain (the list below).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/build.sh"
if ! command -v lintian >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian >/dev/null
fi
cd "$here/build"
rm -f tarvo_*.deb
cpack -G DEB >/dev/null
deb="$(ls tarvo_*.deb)"
echo "== $deb: $(du -h "$deb" | cut -f1); program $(dpkg-deb --fsys-tarfile "$deb" | tar -tvf - ./usr/bin/tarvo | awk '{print $3}') bytes"
# Warnings README.md explains, one pattern a line ("The Debian package"
# there); none at present.
explained='^$'
out="$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "running with root privileges" || true)"
[ -z "$out" ] || echo "$out"
if grep -q '^E:' <<<"$out"; then
  echo "lintian found errors"
  exit 1
fi
unexplained="$(grep '^W:' <<<"$out" | grep -vE "$explained" || true)"
if [ -n "$unexplained" ]; then
  echo "lintian warnings README.md does not explain:"
  echo "$unexplained"
  exit 1
fi
echo "lintian: no errors, no unexplained warnings"
# The manual page as man shows it, with groff's warnings.
if command -v man >/dev/null; then
  dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/man/man1/tarvo.1.gz | gunzip >tarvo.1.check
  warnings="$(MANWIDTH=80 man --warnings -l tarvo.1.check 2>&1 >/dev/null || true)"
  rm -f tarvo.1.check
  [ -z "$warnings" ] || { echo "man tarvo: $warnings"; exit 1; }
fi
