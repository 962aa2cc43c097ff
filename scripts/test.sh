#!/usr/bin/env bash
# One command: install what is needed, build, run every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
bash scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 300 -j2

# Install into a temporary prefix, check the installed program, build the .deb
# (and, as root in CI's throw-away container, install it: QZ_DEB_INSTALL=1).
bash scripts/install-check.sh build

# The engine's arithmetic, the chart and report layout file readers, and the
# chart and report editors (canvas, commands, drag data) once more under
# AddressSanitizer and UBSan: a small build of those tests only (set
# QZ_SKIP_SANITIZE=1 to leave it out).
if [ "${QZ_SKIP_SANITIZE:-0}" != 1 ]; then
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  engine_tests=(tst_letters tst_profile tst_cycles tst_matrixcompat tst_advisorpet tst_atomicwrite)
  reader_tests=(tst_chartdocument tst_chartcorruption tst_reportlayouts tst_reporttools)
  editor_tests=(tst_chartcommands tst_creportpe tst_cfieldtree tst_creatorparts tst_creator
    tst_shareddialogs tst_creatormainwindow tst_reportmanager tst_texteditor)
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON
  # The build runs its own generators (pictures, data files), sanitized too;
  # Qt's screen objects they leave at exit are no finding of the tests.
  ASAN_OPTIONS=detect_leaks=0 cmake --build build-asan -j"$(nproc)" \
    --target "${engine_tests[@]}" "${reader_tests[@]}" "${editor_tests[@]}"
  ctest --test-dir build-asan -L engine --output-on-failure --timeout 300
  only="^($(IFS='|'; echo "${reader_tests[*]}|${editor_tests[*]}"))\$"
  ctest --test-dir build-asan -R "$only" --output-on-failure --timeout 600 -j"$(nproc)"
fi

# Every file reader under libFuzzer with the sanitizers, 45 seconds per format,
# which keeps the whole command near 30 minutes on two cores (set
# QZ_SKIP_FUZZ=1 to leave it out; tests/fuzz/README.md).
if [ "${QZ_SKIP_FUZZ:-0}" != 1 ]; then
  bash scripts/fuzz.sh 45
fi
