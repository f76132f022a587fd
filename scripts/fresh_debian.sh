#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as root in a fresh, minimal Debian system made by mmdebstrap in unshare mode: the
# system lives in namespaces of its own, in a temporary folder that mmdebstrap removes afterwards;
# nothing of it shows on this machine. Packages come from the registry this machine's apt names,
# and are installed without their recommended packages, then and later.
#
# Usage:  bash scripts/fresh_debian.sh SUITE [--include PACKAGE,...] [--in PATH]... [--out DIR]
#                                      COMMAND...
#   SUITE      bookworm (Debian 12) or trixie (Debian 13)
#   --in PATH  copied into /root, where COMMAND runs
#   --out DIR  receives what COMMAND left in /root/out
# Exits with COMMAND's status.
set -euo pipefail
suite=${1:?usage: fresh_debian.sh SUITE [--include P,...] [--in PATH]... [--out DIR] COMMAND...}
shift
hooks=()
out=""
while [ $# -gt 0 ]; do
    case $1 in
        --include) hooks+=(--include="$2") && shift 2 ;;
        --in) hooks+=(--customize-hook="copy-in $(realpath -e "$2") /root") && shift 2 ;;
        --out) out=$(realpath -m "$2") && shift 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "fresh_debian: no command given"; exit 2; }
source "$(dirname "$0")/dependencies.sh"
command -v mmdebstrap >/dev/null || install_missing_packages mmdebstrap uidmap
# The main archive this machine's apt reads, whatever the format of its sources: the one of this
# release's own suite (not its -updates or -security), else the first.
mirror=$(debian_sources | awk -v suite="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" '
    NR == 1 { first = $1 }
    $2 == suite { print $1; found = 1; exit }
    END { if (!found) print first }')
[ -n "$mirror" ] || {
    echo "fresh_debian: apt names no Debian archive on this machine"
    exit 2
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=${out:-$work/out}
mkdir -p "$out"
# The command runs in /root with a clean environment; its status is kept beside what it leaves.
{
    echo 'mkdir -p /root/out && cd /root && echo "fresh_debian: Debian $(cat /etc/debian_version)"'
    printf '%q ' "$@"
    printf '\necho $? >/root/out/status\n'
} >"$work/fresh_debian.job"
started=$SECONDS
mmdebstrap --mode=unshare --variant=apt --quiet \
    --aptopt='APT::Install-Recommends "false"' "${hooks[@]}" \
    --customize-hook="copy-in $work/fresh_debian.job /tmp" \
    --customize-hook='chroot "$1" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive PATH=/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash /tmp/fresh_debian.job' \
    --customize-hook="sync-out /root/out $out" \
    "$suite" /dev/null "$mirror"
status=$(cat "$out/status")
rm "$out/status"
echo "fresh_debian: $suite: exit $status, in $((SECONDS - started)) s"
exit "$status"
