#!/usr/bin/env bash
# Installs the small programs that only the tests use as the other side of a
# connection: liblo's oscsend and oscdump for the ADM-OSC tests. Idempotent and
# non-interactive; the build does not need them.
set -euo pipefail

packages=(liblo-tools)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${missing[*]}"
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
