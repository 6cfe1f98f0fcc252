#!/usr/bin/env bash
# Runs one test inside a private desktop world of its own, so that nothing
# of the user's desktop changes a result and nothing the test does reaches
# the user's files, settings or keyring:
#   - a home, XDG config/data/cache/state folders, a runtime folder and a
#     temporary folder (TMPDIR), all inside WORLD;
#   - an environment that keeps only the user's name and the test run's
#     own variables (TARVO_*, QTEST_*, QT_QPA_PLATFORM, sanitizer options):
#     no desktop, theme, style, scaling, locale or program path of the
#     user's; the programs are the system's (/usr/bin, /bin), the locale
#     C.UTF-8 and the time zone UTC;
#   - the test fonts (FONTCONFIG_FILE from TARVO_TEST_FONTCONFIG);
#   - a private session bus. With --keyring a secret service
#     (gnome-keyring-daemon, its login collection unlocked with the
#     password "tarvo-test") is started on that bus the first time a test
#     asks for it; without, the bus offers no secret service at all.
# A WORLD left by an earlier run is emptied first (any other existing
# folder is refused). WORLD is removed after a passing test; after a
# failing one it is kept for a look and its place is printed.
#
# Usage: private-world.sh [--keyring] WORLD COMMAND [ARGUMENT...]
set -u
PATH=/usr/bin:/bin:/usr/sbin:/sbin

keyring=0
if [ "${1-}" = --keyring ]; then
  keyring=1
  shift
fi
if [ $# -lt 2 ]; then
  echo "usage: private-world.sh [--keyring] WORLD COMMAND [ARGUMENT...]" >&2
  exit 2
fi
world=$1
shift

fail() {
  echo "private-world: $*" >&2
  exit 2
}
command -v dbus-daemon >/dev/null || fail "dbus-daemon is not installed (scripts/setup-debian.sh installs it)"
if [ $keyring = 1 ]; then
  command -v gnome-keyring-daemon >/dev/null ||
    fail "gnome-keyring-daemon is not installed (scripts/setup-debian.sh installs it)"
fi

# Only a world left by an earlier run is emptied, never another folder.
if [ -e "$world" ]; then
  [ -e "$world/.tarvo-test-world" ] || [ -z "$(ls -A "$world" 2>/dev/null)" ] ||
    fail "$world exists and is not a test world; not touching it"
  rm -rf "$world"
fi
mkdir -p "$world"/{home,config,data,cache,state,tmp,services} || fail "cannot make $world"
touch "$world/.tarvo-test-world"
world=$(cd "$world" && pwd)
# Sockets live in the runtime folder; a socket's path is limited to 107
# bytes, so a deep build folder gets a short runtime folder in /tmp.
run=$world/run
runtime_elsewhere=0
if [ ${#run} -gt 70 ]; then
  run=$(mktemp -d /tmp/tarvo-run.XXXXXX) || fail "cannot make a runtime folder"
  runtime_elsewhere=1
fi
mkdir -p "$run" && chmod 700 "$run"

env_keep=()
for name in USER LOGNAME $(compgen -e | grep -E '^(TARVO_|QTEST_|QT_QPA_PLATFORM$|[A-Z]+SAN_OPTIONS$)'); do
  [ -n "${!name+set}" ] && env_keep+=("$name=${!name}")
done
world_env=(
  "${env_keep[@]}"
  "PATH=$PATH"
  "HOME=$world/home"
  "XDG_CONFIG_HOME=$world/config"
  "XDG_DATA_HOME=$world/data"
  "XDG_CACHE_HOME=$world/cache"
  "XDG_STATE_HOME=$world/state"
  "XDG_RUNTIME_DIR=$run"
  "XDG_DATA_DIRS=/usr/share"
  "XDG_CONFIG_DIRS=/etc/xdg"
  "TMPDIR=$world/tmp"
  "LC_ALL=C.UTF-8"
  "LANG=C.UTF-8"
  "TZ=UTC"
  "DBUS_SESSION_BUS_ADDRESS=unix:path=$run/bus"
  "TARVO_PRIVATE_WORLD=$world"
)
if [ -n "${TARVO_TEST_FONTCONFIG-}" ]; then
  world_env+=("FONTCONFIG_FILE=$TARVO_TEST_FONTCONFIG")
fi

# The bus: no service but the keyring (when asked for) can be started on it.
services=""
if [ $keyring = 1 ]; then
  printf %s tarvo-test >"$world/keyring-password"
  cat >"$world/keyring" <<EOF
#!/bin/sh
exec gnome-keyring-daemon --foreground --unlock --components=secrets <"$world/keyring-password"
EOF
  chmod +x "$world/keyring"
  cat >"$world/services/org.freedesktop.secrets.service" <<EOF
[D-BUS Service]
Name=org.freedesktop.secrets
Exec="$world/keyring"
EOF
  services="<servicedir>$world/services</servicedir>"
fi
cat >"$world/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$run/bus</listen>
  <auth>EXTERNAL</auth>
  $services
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
  <limit name="service_start_timeout">120000</limit>
</busconfig>
EOF

mkfifo "$world/bus-address"
env -i "${world_env[@]}" dbus-daemon --config-file="$world/bus.conf" --nofork --nopidfile \
  --print-address=3 3>"$world/bus-address" 2>"$world/bus.log" &
bus=$!
read -r address <"$world/bus-address" || true
[ -n "$address" ] || fail "the private session bus did not start: $(cat "$world/bus.log")"

env -i "${world_env[@]}" "$@"
status=$?

# An activated keyring daemon ends with its bus.
kill "$bus" 2>/dev/null
wait "$bus" 2>/dev/null
[ $runtime_elsewhere = 1 ] && rm -rf "$run"
if [ $status -eq 0 ]; then
  rm -rf "$world"
else
  echo "private-world: the test's private folders are kept in $world" >&2
fi
exit $status
