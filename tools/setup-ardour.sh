#!/usr/bin/env bash
# Installs Ardour 7 (Debian 12's ardour package), the real host that the test
# command plays the built plug-ins in, with what the test of Ardour's own window
# drives it with: a window manager (openbox) and xdotool for the keyboard and the
# pointer. Only the tests need it; the build does not. Idempotent and non-interactive.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
velorin_install_packages setup ardour openbox xdotool
