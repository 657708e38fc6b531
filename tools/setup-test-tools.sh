#!/usr/bin/env bash
# Installs the small programs that only the tests use: liblo's oscsend and
# oscdump, the other side of the ADM-OSC tests' connections, and lintian and
# desktop-file-utils, which check the Debian package. Idempotent and
# non-interactive; the build does not need them.
set -euo pipefail

packages=(liblo-tools lintian desktop-file-utils)

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
velorin_install_packages setup "${packages[@]}"
