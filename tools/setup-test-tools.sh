#!/usr/bin/env bash
# Installs the small programs that only the tests use as the other side of a
# connection: liblo's oscsend and oscdump for the ADM-OSC tests. Idempotent and
# non-interactive; the build does not need them.
set -euo pipefail

packages=(liblo-tools)

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
velorin_install_packages setup "${packages[@]}"
