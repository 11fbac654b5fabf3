#!/usr/bin/env bash
# Generates the benchmark workloads (deterministically, into a folder) and times them, each run
# three times, printing the median training time and the hashes.
#   bench/cargas.sh [--par | --par-lab | --tabela-lab | --ocupado] [BUILD_DIR] [DATA_DIR]
# By default: each engine and thread count.
# --par: the fast engine with one thread against R's kohonen (Debian's r-cran-kohonen, online
#   mode), in the same run, with the ratio; NORVIKA_BUSCA=escalar|avx2|avx512 forces the kernel.
# --par-lab: norvika-lab against R's kohonen on W2's data, 12 x 14 hexagonal Gaussian, radius 7 to
#   0, 20 epochs, in batch and online mode, in the same run, with the ratio.
# --tabela-lab: norvika-lab's training time against map size (10 x 10, 25 x 25, 50 x 50) and
#   patterns (10^3, 10^4, 10^5 of 64 values), plus 100 x 100 on 10^4 patterns: hexagonal Gaussian,
#   radius half the longer side to 0, 5 epochs, each mode.
# --ocupado: one, two and the chosen number of threads while a busy loop holds a core, with each
#   time's ratio to one thread's; a fourth workload (100,000 x 64 patterns, one cycle) joins in.
set -euo pipefail
modo=normal
case "${1:-}" in
  --par) modo=par; shift ;; --par-lab) modo=parlab; shift ;; --tabela-lab) modo=tabelalab; shift ;;
  --ocupado) modo=ocupado; shift ;;
esac
build=${1:-build}
dados=${2:-/tmp/norvika-cargas}
bench="$build/bench/norvika-bench"
lab="$build/app/norvika-lab"
gera="$build/bench/norvika-gera-dados"
raiz=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$dados"
[ -f "$dados/w2.txt" ] || "$gera" gaussianas "$dados/w2.txt" --padroes 20000 --dimensao 64 --grupos 10 --semente 1
[ -f "$dados/w3.txt" ] || "$gera" pixels "$dados/w3.txt" --padroes 5000 --dimensao 784 --semente 1

declare -A carga par
carga[W1]="$raiz/examples/iris.txt --linhas 12 --colunas 14 --raio 3 --vizinhanca GRID --ciclos 10000 --taxa 0,1 --evolucao 100 --semente 1"
carga[W2]="$dados/w2.txt --linhas 12 --colunas 14 --raio 12 --vizinhanca GRID --decrementar-raio --taxa 0,1 --evolucao 90 --semente 1"
carga[W3]="$dados/w3.txt --linhas 12 --colunas 14 --raio 3 --vizinhanca MANHATTAN --ciclos 3 --taxa 0,1 --evolucao 100 --semente 1"
# The same runs for kohonen: file, rows, columns, radius, cycles, rate, rate factor %, decrement.
par[W1]="$raiz/examples/iris.txt 12 14 3 10000 0,1 100 0"
par[W2]="$dados/w2.txt 12 14 12 13 0,1 90 1"
par[W3]="$dados/w3.txt 12 14 3 3 0,1 100 0"
cargas="W1 W2 W3"
if [ "$modo" = ocupado ]; then
  [ -f "$dados/g100k.txt" ] || "$gera" gaussianas "$dados/g100k.txt" --padroes 100000 --dimensao 64 --grupos 10 --semente 2
  carga[W4]="$dados/g100k.txt --linhas 12 --colunas 14 --raio 3 --vizinhanca GRID --ciclos 1 --taxa 0,1 --evolucao 100 --semente 1"
  cargas="W1 W2 W3 W4"
fi

mediana() { sort -n | sed -n 2p; }
primeira=$(mktemp)
trap 'rm -f "$primeira"' EXIT
# Median training time of three runs of COMMAND...; the first run's output stays for `campo`.
mede() {
  "$@" >"$primeira"
  { grep '^treino_s=' "$primeira"; "$@"; "$@"; } | grep '^treino_s=' | cut -d= -f2 | mediana
}
campo() { grep "^$1=" "$primeira" | cut -d= -f2; }
razao() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

case "$modo" in
normal)
  for w in $cargas; do
    for m in "--threads 1" "--threads 2" "--referencia"; do
      [ "$m" = "--referencia" ] && [ "${SEM_REFERENCIA:-}" = 1 ] && continue
      treino=$(mede $bench ${carga[$w]} $m)
      echo "$w ${m#--} treino_s(mediana)=$treino leitura_s=$(campo leitura_s) ns_por_termo=$(campo ns_por_termo)" \
           "pesos_fnv=$(campo pesos_fnv) contagens_fnv=$(campo contagens_fnv) motor=$(campo motor)"
    done
  done ;;
par)
  command -v Rscript >/dev/null && Rscript -e 'library(kohonen)' >/dev/null 2>&1 ||
    { echo "cargas.sh --par: falta o kohonen do R (apt-get install r-cran-kohonen)" >&2; exit 1; }
  echo "carga norvika_s(1 thread) kohonen_s razao motor"
  for w in $cargas; do
    nosso=$(mede $bench ${carga[$w]} --threads 1)
    motor=$(campo motor)
    deles=$(for i in 1 2 3; do Rscript "$raiz/bench/par_kohonen.R" ${par[$w]} | cut -d= -f2; done | mediana)
    echo "$w $nosso $deles $(razao "$deles" "$nosso")x $motor"
  done ;;
parlab)
  command -v Rscript >/dev/null && Rscript -e 'library(kohonen)' >/dev/null 2>&1 ||
    { echo "cargas.sh --par-lab: falta o kohonen do R (apt-get install r-cran-kohonen)" >&2; exit 1; }
  echo "modo norvika-lab_s kohonen_s razao qe(norvika-lab/kohonen) te(norvika-lab/kohonen) threads motor"
  for m in lote online; do
    nosso=$(mede $lab "$dados/w2.txt" --mapa 12x14 --raio 7 --epocas 20 --modo $m)
    rm -f "$dados/kohonen.txt"
    deles=$(for i in 1 2 3; do Rscript "$raiz/bench/par_lab.R" "$dados/w2.txt" 12 14 hexagonal gaussiana 7 20 $m |
              tee "$dados/kohonen.txt" | grep '^treino_s=' | cut -d= -f2; done | mediana)
    k() { grep "^$1=" "$dados/kohonen.txt" | cut -d= -f2; }
    echo "$m $nosso $deles $(razao "$deles" "$nosso")x $(campo erro_quantizacao)/$(k erro_quantizacao)" \
         "$(campo erro_topografico)/$(k erro_topografico) $(campo threads) $(campo motor)"
  done ;;
tabelalab)
  echo "mapa padroes lote_s online_s motor"
  for p in 1000 10000 100000; do
    [ -f "$dados/lab$p.txt" ] || "$gera" gaussianas "$dados/lab$p.txt" --padroes $p --dimensao 64 --grupos 10 --semente 3
  done
  for par in "10 1000" "10 10000" "10 100000" "25 1000" "25 10000" "25 100000" "50 1000" "50 10000" \
             "50 100000" "100 10000"; do
    read -r lado p <<< "$par"
    lote=$(mede $lab "$dados/lab$p.txt" --mapa ${lado}x$lado --raio $((lado / 2)) --epocas 5 --modo lote)
    online=$(mede $lab "$dados/lab$p.txt" --mapa ${lado}x$lado --raio $((lado / 2)) --epocas 5 --modo online)
    echo "${lado}x$lado $p $lote $online $(campo motor)"
  done ;;
ocupado)
  ( while :; do :; done ) &
  ocupado=$!
  trap 'kill $ocupado 2>/dev/null; rm -f "$primeira"' EXIT
  echo "carga 1_thread_s 2_threads_s escolha_s 2/1 escolha/1 (threads escolhidas) motor"
  for w in $cargas; do
    um=$(mede $bench ${carga[$w]} --threads 1)
    dois=$(mede $bench ${carga[$w]} --threads 2)
    escolha=$(mede $bench ${carga[$w]})
    echo "$w $um $dois $escolha $(razao "$dois" "$um") $(razao "$escolha" "$um") ($(campo threads)) $(campo motor)"
  done ;;
esac
