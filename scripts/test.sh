#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: first the default build (warnings are
# errors), then the same tests built with AddressSanitizer and UBSan, then with ThreadSanitizer
# (clang; tests/tsan.supp lists what of Qt it cannot follow). The window tests run headless
# (QT_QPA_PLATFORM=offscreen, set by CMake).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/instala-dependencias.sh

# Every C++ file is laid out as the project's .clang-format says.
if command -v clang-format-14 > /dev/null; then
  find engine lab mapa files sessao ui app bench tests -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format-14 --style=file --dry-run --Werror ||
    { echo "Arquivos fora do formato: rode clang-format-14 -i neles." >&2; exit 1; }
else
  echo "clang-format-14 não está instalado: a verificação do formato foi pulada." >&2
fi

# The layers below the windows are plain C++: none of their files may include Qt.
if grep -rlE '^\s*#\s*include\s*[<"]Q' engine lab mapa files sessao; then
  echo "Os arquivos acima incluem o Qt, que só a interface (ui/) e os programas (app/) usam." >&2
  exit 1
fi

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
