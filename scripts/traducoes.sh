#!/usr/bin/env bash
# Brings translations/norvika_en.ts up to date with the sources (lupdate): new texts come in
# unfinished, texts gone are dropped. Then translate the new entries (Qt Linguist, or by hand in
# the XML) and run the tests: one of them fails while any entry is unfinished or untranslated.
#   scripts/traducoes.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/instala-dependencias.sh
/usr/lib/qt6/bin/lupdate -locations none -no-obsolete -source-language pt_BR -target-language en \
  ui sessao app lab files engine -ts translations/norvika_en.ts
