#!/usr/bin/env bash
# The newcomer's first ten minutes, on a fresh minimal Debian 12 root: the
# README's Quick start command exactly as the README writes it, run in an
# 80x25 pseudo-terminal until the title screen shows (then E, Y to quit),
# then the program's version, one hand on the command line, `make install`,
# `man bidgauge` and the installed Python module. Any step that fails fails
# the test, naming the step. It runs once as root and once as a user with
# sudo (who installs into ~/.local), each on a fresh root.
#
#   tools/newcomer_test.sh [root|newcomer]...   (as root; needs debootstrap, python3)
#
# The bare root is bootstrapped once from this machine's own Debian mirror
# and kept in $NEWCOMER_CACHE (default /var/cache/bidgauge-newcomer) for a
# week; each run works on a fresh copy of it. Downloaded packages are kept
# there too: apt checks each against the new package lists before using it.
# Every mount is made in a mount namespace of the test's own, so none
# outlives it. Only a bootstrap that reaches no mirror skips the test.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
work=
cache=${NEWCOMER_CACHE:-/var/cache/bidgauge-newcomer}
started=$SECONDS

step() { printf '\nnewcomer: %s\n' "$*"; }
fail() {
  printf '\nnewcomer: FAILED at step: %s\n' "$*" >&2
  exit 1
}

# The first Debian mirror serving bookworm in this machine's apt sources.
debian_mirror() {
  local files=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
  local file
  for file in "${files[@]}"; do
    [ -r "$file" ] || continue
    case $file in
    *.sources)
      awk 'BEGIN { RS = ""; FS = "\n" }
           /(^|\n)Suites:[^\n]*bookworm( |\n|$)/ && /(^|\n)Types:[^\n]*deb( |\n|$)/ {
             for (i = 1; i <= NF; i++) if ($i ~ /^URIs:/) { split($i, uri, " "); print uri[2]; exit }
           }' "$file"
      ;;
    *) awk '$1 == "deb" && $0 ~ / bookworm / { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' "$file" ;;
    esac
  done | grep -v -- '-security' | head -n 1
}

# The fenced block under the README's "Quick start" heading: the command a
# newcomer copies first.
quick_start_command() {
  awk '/^## Quick start/ { section = 1; next }
       /^## / { section = 0 }
       section && /^```/ { if (inside) exit; inside = 1; next }
       section && inside { print }' README.md
}

bootstrap() {
  local mirror=$1 fresh=$cache/root.new
  if [ -f "$cache/root/.complete" ] && [ -z "$(find "$cache/root/.complete" -mtime +7)" ]; then
    return 0
  fi
  step "bootstrapping a minimal Debian 12 root from $mirror"
  rm -rf "$fresh"
  mkdir -p "$cache"
  if ! debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$cache/bootstrap.log" 2>&1; then
    if grep -qiE 'Failed getting release file|unable to (fetch|connect)|Could not resolve|Temporary failure' \
      "$cache/bootstrap.log"; then
      tail -n 5 "$cache/bootstrap.log" >&2
      printf '\n*** newcomer: SKIPPED: no Debian mirror could be reached (%s) ***\n\n' "$mirror" >&2
      exit 0
    fi
    tail -n 20 "$cache/bootstrap.log" >&2
    fail "debootstrap"
  fi
  touch "$fresh/.complete"
  rm -rf "$cache/root"
  mv "$fresh" "$cache/root"
}

# Runs the steps inside a private mount namespace, as root or as a user who
# has sudo, in their home folder.
inside_namespace() {
  local work=$1 account=$2 root=$1/root
  mkdir -p "$cache/archives/partial"
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount --bind "$cache/archives" "$root/var/cache/apt/archives"
  cp /etc/resolv.conf "$root/etc/resolv.conf"

  local home=/root as=() install_args="" python_path=""
  if [ "$account" != root ]; then
    step "a user with sudo (the one package such a user already has)"
    chroot "$root" bash -c "apt-get update -qq && apt-get install -y -qq sudo >/dev/null &&
      useradd -m -s /bin/bash $account &&
      echo '$account ALL=(ALL) NOPASSWD: ALL' >/etc/sudoers.d/$account" || fail "making a sudo user"
    home=/home/$account
    as=(setpriv "--reuid=$account" "--regid=$account" --init-groups)
    # A user without write access to /usr/local installs into their own folder.
    install_args="PREFIX=$home/.local"
    python_path="PYTHONPATH=$home/.local/lib/python3.11/dist-packages"
  fi
  if [ "$account" != root ]; then
    mv "$root/root/bidgauge" "$root$home/bidgauge"
    chroot "$root" chown -R "$account:" "$home/bidgauge"
  fi

  local env=(env -i "HOME=$home" "USER=$account" "LOGNAME=$account" TERM=xterm-256color LANG=C.UTF-8
    "PATH=$home/.local/bin:/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin")
  in_root() { chroot "$root" "${env[@]}" "${as[@]}" bash -c "cd ~/bidgauge && $1"; }

  local command
  command=$(quick_start_command)
  [ -n "$command" ] || fail "finding the Quick start command in README.md"
  step "Quick start as $account, as the README writes it, until the title screen shows:"
  printf '  %s\n' "$command"
  python3 "$source/tools/pty_run.py" --wait-for "OPENING BID EVALUATOR" --keys EY \
    --timeout 1500 --log "$work/quick-start.log" -- chroot "$root" "${env[@]}" "${as[@]}" \
    bash -c "cd ~/bidgauge && $command" || fail "Quick start (log: $cache/logs/quick-start.log)"

  step "build/bidgauge --version"
  in_root "build/bidgauge --version" || fail "build/bidgauge --version"
  step "one hand on the command line"
  in_root "build/bidgauge KQ7543 QT2 A J98" >"$work/hand.txt" || fail "one hand on the command line"
  cat "$work/hand.txt"
  grep -q "12.35" "$work/hand.txt" || fail "one hand on the command line: no KnR 12.35"

  step "make install $install_args"
  in_root "make install $install_args" >"$work/install.log" 2>&1 || {
    tail -n 20 "$work/install.log" >&2
    fail "make install $install_args"
  }
  step "man bidgauge"
  in_root "cd / && MANWIDTH=80 man bidgauge" >"$work/man.txt" 2>&1 || {
    cat "$work/man.txt" >&2
    fail "man bidgauge"
  }
  grep -q "bidgauge" "$work/man.txt" || fail "man bidgauge: the page is empty"
  step "the installed library, from Python"
  in_root "cd / && $python_path python3 -c 'import bidgauge; print(bidgauge.evaluate(\"KQ7543 QT2 A J98\")[\"zar\"])'" \
    >"$work/python.txt" 2>&1 || {
    cat "$work/python.txt" >&2
    fail "import bidgauge"
  }
  grep -qx 28 "$work/python.txt" || fail "the installed library, from Python: $(cat "$work/python.txt")"
}

# One newcomer on a fresh copy of the bare root.
run_as() {
  local account=$1
  work=$(mktemp -d /var/tmp/bidgauge-newcomer.XXXXXX)
  step "copying a fresh root and the committed tree"
  cp -a "$cache/root" "$work/root"
  mkdir -p "$work/root/root/bidgauge"
  # The committed tree; a developer's uncommitted changes to it go along.
  local tree
  tree=$(git -C "$source" stash create)
  git -C "$source" archive "${tree:-HEAD}" | tar -x -C "$work/root/root/bidgauge"
  unshare --mount --propagation private bash -c 'set -euo pipefail; inside_namespace "$1" "$2"' _ \
    "$work" "$account"
  keep_logs
  rm -rf "$work"
}

# The last run's logs outlive its root, in $cache/logs.
keep_logs() {
  [ -n "$work" ] && [ -d "$work" ] || return 0
  rm -rf "$cache/logs"
  mkdir -p "$cache/logs"
  cp "$work"/*.log "$work"/*.txt "$cache/logs" 2>/dev/null || true
}

main() {
  [ "$(id -u)" -eq 0 ] || fail "start: run as root (it makes a root file system and mounts in it)"
  command -v debootstrap >/dev/null || fail "start: debootstrap is not installed"
  local mirror
  mirror=$(debian_mirror)
  [ -n "$mirror" ] || fail "start: no Debian bookworm mirror in this machine's apt sources"
  bootstrap "$mirror"

  trap 'keep_logs; rm -rf "$work"' EXIT
  export -f step fail quick_start_command inside_namespace
  export source cache
  local accounts=("$@") account
  [ $# -gt 0 ] || accounts=(root newcomer)
  for account in "${accounts[@]}"; do
    run_as "$account"
  done
  step "passed in $((SECONDS - started)) s"
}

main "$@"
