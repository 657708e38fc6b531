#!/usr/bin/env bash
# Runs a command as on a machine whose kernel cannot execute 32-bit x86 programs:
# in a user and mount namespace of its own with its own binfmt_misc (Linux 6.7 or
# later), where every 32-bit x86 program fails as "Exec format error" does. The
# rest of the machine is left as it is. For example, to see the Windows tests
# there:
#   tools/without-32bit-execution.sh xvfb-run -a ctest --test-dir build -R Windows
set -euo pipefail

refusal="$(mktemp -d)/exec-format-error"
trap 'rm -rf "$(dirname "$refusal")"' EXIT
cat >"$refusal" <<'REFUSAL'
#!/bin/sh
echo "$1: Exec format error (no 32-bit execution)" >&2
exit 126
REFUSAL
chmod +x "$refusal"

# 32-bit little-endian ELF files for i386, executables and position-independent ones.
unshare --user --map-root-user --mount bash -c '
    set -e
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    for type in "\x02" "\x03"; do
        echo ":no-i386-$((++n)):M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00${type}\x00\x03\x00::$0:" >/proc/sys/fs/binfmt_misc/register
    done
    exec "$@"' "$refusal" "$@"
