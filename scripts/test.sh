#!/usr/bin/env bash
# One command: install what is needed, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
bash scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 300 -j2
