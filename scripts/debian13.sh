#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command of the project (by default the README's test command) inside a fresh, minimal
# Debian 13 system (scripts/minimal_system.sh: debootstrap, chroot with /proc, /sys, /dev,
# /dev/pts and a tmpfs /dev/shm mounted, all unmounted again on every way out), with git
# installed and the committed HEAD of this repository cloned into it. Prints the
# /etc/debian_version it ran on.
#
# Usage, as root:  bash scripts/debian13.sh [--keep DIR] [--debs-to DIR] [COMMAND ...]
#   --keep DIR     build the system in DIR and keep it afterwards (unmounted); a DIR that already
#                  holds a Debian 13 system is used again without a new debootstrap
#   --debs-to DIR  after the command, copy the Debian packages it built (the clone's build/*.deb)
#                  into DIR on this machine
#   COMMAND        run in the clone instead of `bash scripts/test.sh`
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$PWD
source scripts/dependencies.sh
system_name=debian13
source scripts/minimal_system.sh

keep=""
debs_to=""
while [ $# -gt 0 ]; do
    case $1 in
        --keep) keep=${2:?--keep needs a folder} && shift 2 ;;
        --debs-to) debs_to=${2:?--debs-to needs a folder} && shift 2 ;;
        *) break ;;
    esac
done
command=("$@")
[ ${#command[@]} -ne 0 ] || command=(bash scripts/test.sh)

system_open trixie "$keep"
root=$system_root

started=$SECONDS
system_run bash -c 'command -v git >/dev/null ||
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq git >/dev/null; }'

# The committed HEAD, as CI would clone it; uncommitted changes are not part of the run.
rm -rf "$root/root/quadripolo"
git clone -q "$repository" "$root/root/quadripolo"
echo "debian13: Debian $(cat "$root/etc/debian_version"), running: ${command[*]}"
system_run bash -c 'cd /root/quadripolo && "$@"' command "${command[@]}"
if [ -n "$debs_to" ]; then
    mkdir -p "$debs_to"
    cp -v "$root"/root/quadripolo/build/*.deb "$debs_to"/
fi
echo "debian13: Debian $(cat "$root/etc/debian_version"): passed in $((SECONDS - started)) s"
