#!/usr/bin/env bash
# One command for a new user: install what is needed, build, start the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found; starting under a virtual X server." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" ./build/bin/qznum "$@"
fi
exec ./build/bin/qznum "$@"
