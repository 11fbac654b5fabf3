#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the default build (warnings are
# errors), then the same tests built with AddressSanitizer and UBSan, then with ThreadSanitizer
# (clang; tests/tsan.supp lists what of Qt it cannot follow). The window tests run headless
# (QT_QPA_PLATFORM=offscreen, set by CMake).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/instala-dependencias.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
(cd build && ctest --output-on-failure --timeout 300 -j2)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVIKA_SANITIZE=ON
cmake --build build-asan
(cd build-asan && ctest --output-on-failure --timeout 600 -j2)

CC=clang CXX=clang++ cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNORVIKA_TSAN=ON -DNORVIKA_WERROR=OFF
cmake --build build-tsan
(cd build-tsan && ctest --output-on-failure --timeout 600 -j2)
echo "Todos os testes passaram (build normal, com AddressSanitizer e UBSan, e com ThreadSanitizer)."
