#!/usr/bin/env bash
# Tries the project as a newcomer would, on a fresh Debian of the given suite:
# clones the committed HEAD into a minimal root, runs ./test.sh and then
# ./build.sh --deb there, installs the package it built with apt into a
# second fresh root and runs "skyfolio --root" there under Xvfb as a plain
# user. One line per step; the first failure ends it, naming the log.
#
#   tools/fresh-debian.sh bookworm          # or trixie; run as root
#
# The roots live under $SKYFOLIO_FRESH_CACHE (/var/cache/skyfolio-fresh):
# <suite>/pristine is made once with debootstrap and never changed; each run
# copies it afresh into <suite>/build and <suite>/install, which stay for a
# look afterwards. Its log is <suite>/fresh-debian.log.
set -euo pipefail

[ $# -eq 1 ] && [[ $1 =~ ^[a-z]+$ ]] || { echo "usage: tools/fresh-debian.sh <suite>" >&2; exit 2; }
suite=$1
[ "$(id -u)" -eq 0 ] || { echo "tools/fresh-debian.sh must run as root (debootstrap, chroot)" >&2; exit 2; }
project=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$project" rev-parse HEAD)
mirror=http://deb.debian.org/debian
home=${SKYFOLIO_FRESH_CACHE:-/var/cache/skyfolio-fresh}/$suite
pristine=$home/pristine
log=$home/fresh-debian.log
mkdir -p "$home"
: >"$log"

step_started=0
step() {
    printf '%s: %s ... ' "$suite" "$1"
    echo "=== $1" >>"$log"
    step_started=$SECONDS
}
passed() { echo "ok ($(( (SECONDS - step_started + 30) / 60 )) min)"; }
failed() {
    echo "FAILED"
    echo "$suite: the first failure is at the end of $log" >&2
    exit 1
}

# Runs a command as root inside a root, with a clean environment; the mounts
# it needs belong to a mount namespace of its own, so they go when it ends.
in_root() {
    local root=$1
    shift
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    unshare --mount --propagation private -- sh -c '
        root=$1; shift
        mount --rbind /dev "$root/dev" && mount -t proc proc "$root/proc" && mount --rbind /sys "$root/sys" &&
        exec chroot "$root" env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"' sh "$root" "$@"
}

# A fresh copy of the pristine root, where services installed do not start.
fresh_root() {
    local root=$home/$1
    rm -rf "$root"
    cp -a "$pristine" "$root"
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    echo "$root"
}

if [ ! -x "$pristine/bin/sh" ]; then
    step "a minimal $suite root made with debootstrap"
    {
        { command -v debootstrap >/dev/null ||
            { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap; }; } &&
            rm -rf "$pristine.new" &&
            debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$pristine.new" "$mirror" &&
            mv "$pristine.new" "$pristine"
    } >>"$log" 2>&1 || failed
    passed
fi

step "the project cloned at ${commit:0:12}"
build=$(fresh_root build)
{
    git clone --no-hardlinks --quiet "$project" "$build/root/skyfolio" &&
        git -C "$build/root/skyfolio" checkout --quiet --detach "$commit"
} >>"$log" 2>&1 || failed
passed

step "./test.sh"
in_root "$build" sh -c 'cd /root/skyfolio && ./test.sh' >>"$log" 2>&1 || failed
passed

step "./build.sh --deb"
in_root "$build" sh -c 'cd /root/skyfolio && ./build.sh --deb' >>"$log" 2>&1 || failed
passed

step "the package installed with apt in a second $suite root"
install=$(fresh_root install)
{
    cp "$build"/root/skyfolio/build/deb/skyfolio_*_amd64.deb "$install/tmp/skyfolio.deb" &&
        in_root "$install" apt-get update -q &&
        in_root "$install" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q /tmp/skyfolio.deb
} >>"$log" 2>&1 || failed
passed

step "skyfolio --root under Xvfb as a plain user"
# Host mode draws into the root window; it counts as running once the root
# window is no longer the colour Xvfb starts it with, and must end with
# status 0 on SIGTERM as the daemons stop it.
cat >"$install/tmp/root-mode.sh" <<'EOF'
set -u
patience=$((SECONDS + 60))
wait_for() { until "$@"; do [ $SECONDS -lt $patience ] || return 1; sleep 0.2; done; }
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>/tmp/display &
xvfb=$!
trap 'kill $xvfb' EXIT
wait_for grep -q '^[0-9]' /tmp/display || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat /tmp/display)
wait_for xdpyinfo >/dev/null || { echo "Xvfb does not answer"; exit 1; }
blank=$(xwd -root -silent | md5sum)
skyfolio --root &
saver=$!
drawn() { kill -0 $saver && [ "$(xwd -root -silent | md5sum)" != "$blank" ]; }
wait_for drawn || { echo "skyfolio --root drew nothing"; exit 1; }
kill -TERM $saver
wait $saver || { echo "skyfolio --root ended with status $? on SIGTERM"; exit 1; }
[ -f "$HOME/.local/share/skyfolio/r909izarav.ini" ] || { echo "no folder of the user's own"; exit 1; }
EOF
{
    in_root "$install" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb x11-apps x11-utils &&
        in_root "$install" useradd --create-home newcomer &&
        install -d -m 1777 "$install/tmp/.X11-unix" &&
        in_root "$install" runuser -u newcomer -- env HOME=/home/newcomer bash /tmp/root-mode.sh
} >>"$log" 2>&1 || failed
passed
echo "$suite: every step passed ($log)"
