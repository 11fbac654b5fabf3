#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang and runs each for SECONDS (60 by
# default), one after the other. The harnesses read with an allowance of at most 64 MiB and may
# expand a small input into tens of megabytes, so a reader that takes more than 1 GiB or more
# than 25 s on one input is a finding (a crash file), as a wrong result is. (Instrumented, a
# linear reading of 24 MiB of short records takes about 6 s here; a token read again from its
# start at each block takes minutes.) New corpus entries and
# crashes go to a folder outside the repository ($NORVIKA_FUZZ_DIR, by default
# /tmp/norvika-fuzz/HARNESS/{corpus,crashes}); the seed corpus of the repository is read, never
# written. Prints, per harness, the executions, the
# coverage and every crash with the command that reproduces it.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=(Numeros Padroes Rede Treino Importacao Codebook Planilha DadosLab Lab SessaoLab)
pasta=${NORVIKA_FUZZ_DIR:-/tmp/norvika-fuzz}
./scripts/instala-dependencias.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNORVIKA_FUZZ=ON -DNORVIKA_WERROR=OFF > /dev/null
cmake --build build-fuzz --target $(printf 'fuzz_%s ' "${harnesses[@]}")

falhas=0
for h in "${harnesses[@]}"; do
  mkdir -p "$pasta/$h/corpus" "$pasta/$h/crashes"
  log="$pasta/$h/ultimo.log"
  set +e
  "build-fuzz/tests/fuzz/fuzz_$h" -max_total_time="$segundos" -dict=tests/fuzz/norvika.dict \
    -rss_limit_mb=1024 -timeout=25 -print_final_stats=1 -artifact_prefix="$pasta/$h/crashes/" \
    "$pasta/$h/corpus" "tests/fuzz/corpus/$h" > "$log" 2>&1
  rc=$?
  set -e
  execucoes=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  cobertura=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  echo "$h: $execucoes execuções em ${segundos} s, $cobertura, corpus $(ls "$pasta/$h/corpus" | wc -l) entradas"
  for c in "$pasta/$h/crashes"/*; do
    [ -e "$c" ] || continue
    falhas=$((falhas + 1))
    echo "  FALHA: $c"
    echo "    reproduzir: build-fuzz/tests/fuzz/fuzz_$h $c"
  done
  if [ $rc -ne 0 ] && [ $falhas -eq 0 ]; then echo "  o fuzzer terminou com código $rc; veja $log"; falhas=$((falhas + 1)); fi
done
[ $falhas -eq 0 ] && echo "Nenhuma falha." || { echo "$falhas falha(s): copie cada reprodutor para tests/fuzz/corpus/HARNESS/ depois de corrigir."; exit 1; }
