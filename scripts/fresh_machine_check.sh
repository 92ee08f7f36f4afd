#!/bin/sh
# The README's one-command starts, tried on a fresh Debian 12: builds a bare
# Debian 12 root (mmdebstrap --variant=minbase, nothing but what apt needs),
# copies this tree into it, and runs each start command there with piped
# input, as a new user would, checking a real answer:
#
#   sh scripts/console.sh   answers "#2D6+3" with a roll of two dice plus 3
#   sh scripts/web.sh       prints the room's URL and serves /healthz
#
# So a package the start commands forget to install fails here, not on a new
# user's machine. Needs root (chroot) and the Debian mirrors; takes a few
# minutes, most of it the compiler. Run by scripts/test.sh.
#
#   sh scripts/fresh_machine_check.sh [ROOT_FOLDER]   (default build/fresh-root)
set -eu
cd "$(dirname "$0")/.."
TREE=$(pwd)
ROOT=${1:-$TREE/build/fresh-root}
if [ "$(id -u)" -ne 0 ]; then
  echo "fresh_machine_check: needs root (mmdebstrap, chroot)" >&2
  exit 1
fi
command -v mmdebstrap >/dev/null 2>&1 || {
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null && apt-get install -y -q --no-install-recommends mmdebstrap >/dev/null
}

cleanup() {
  umount "$ROOT/proc" 2>/dev/null || true
  umount "$ROOT/dev" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
cleanup
rm -rf "$ROOT"
echo "fresh_machine_check: a bare Debian 12 root in $ROOT" >&2
mmdebstrap --quiet --variant=minbase bookworm "$ROOT" >&2
cp /etc/resolv.conf "$ROOT/etc/resolv.conf" 2>/dev/null || true

# The tree as git knows it (tracked files and new ones that are not ignored),
# without build output.
mkdir -p "$ROOT/home/player/mirado"
git ls-files -z --cached --others --exclude-standard |
  tar --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -xf - -C "$ROOT/home/player/mirado"
mount -t proc proc "$ROOT/proc"
mount --bind /dev "$ROOT/dev"

in_root() { chroot "$ROOT" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb sh -c "$1"; }

status=0
echo "fresh_machine_check: sh scripts/console.sh" >&2
answers=$(printf '#2D6+3\n' | in_root 'cd /home/player/mirado && sh scripts/console.sh' 2>"$ROOT/console.log") || true
echo "$answers"
if echo "$answers" | grep -Eq '^\[#trpg\] player -> 2D6\+3 = \[[1-6],[1-6]\]\+3 = ([5-9]|1[0-5])$'; then
  echo "fresh_machine_check: the console answered the roll" >&2
else
  echo "fresh_machine_check: the console gave no roll; its log:" >&2
  tail -n 30 "$ROOT/console.log" >&2
  status=1
fi

if [ -f scripts/web.sh ]; then
  echo "fresh_machine_check: sh scripts/web.sh" >&2
  # Started in the background; once it prints its URL, /healthz must answer.
  if in_root 'cd /home/player/mirado && { sh scripts/web.sh --listen 127.0.0.1:18089 > /web.out 2> /web.log & }
      pid=$!
      for i in $(seq 1 900); do grep -q "http://" /web.out 2>/dev/null && break; kill -0 $pid 2>/dev/null || break; sleep 1; done
      python3 -c "import urllib.request, sys; sys.exit(urllib.request.urlopen(\"http://127.0.0.1:18089/healthz\").read().strip() != b\"ok\")"
      ok=$?
      kill $pid 2>/dev/null  # web.sh ends in exec: $pid is mirado-web
      exit $ok'; then
    echo "fresh_machine_check: the web room started and answered" >&2
  else
    echo "fresh_machine_check: the web room did not start; its log:" >&2
    tail -n 30 "$ROOT/web.log" >&2
    status=1
  fi
fi
exit $status
