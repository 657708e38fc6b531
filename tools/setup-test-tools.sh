#!/usr/bin/env bash
# Installs what only the tests use: liblo's oscsend and oscdump as the other side
# of the ADM-OSC tests' connections, lintian and desktop-file-utils, which check
# the Debian package, and the libraries that the plug-in validator built for this
# machine needs. Idempotent and non-interactive; the build does not need them.
set -euo pipefail

packages=(
    liblo-tools lintian desktop-file-utils
    libflac12 libvorbis0a libvorbisenc2 libvorbisfile3 libogg0
    libpng16-16 libjpeg62-turbo libasound2 libfreetype6 libbrotli1
)

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
velorin_install_packages setup "${packages[@]}"
