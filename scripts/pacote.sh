#!/usr/bin/env bash
# Installs what is missing, builds the program for release and makes its Debian package with
# CPack, whose library dependencies dpkg-shlibdeps computes. The package is left in build-pacote/:
#   apt-get install ./build-pacote/norvika_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/instala-dependencias.sh

# A build of its own: the package installs under /usr, and the tests are not part of it.
cmake -S . -B build-pacote -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF
cmake --build build-pacote
rm -f build-pacote/norvika_*.deb
(cd build-pacote && cpack -G DEB)
ls build-pacote/norvika_*.deb
