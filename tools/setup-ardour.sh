#!/usr/bin/env bash
# Installs Ardour 7 (Debian 12's ardour package), the real host that the test
# command plays the built plug-ins in. Only the tests need it; the build does not.
# Idempotent and non-interactive.
set -euo pipefail

if dpkg-query -W -f='${Status}' ardour 2>/dev/null | grep -q "install ok installed"; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ardour"
if ! $sudo apt-get install -y --no-install-recommends ardour; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends ardour
fi
