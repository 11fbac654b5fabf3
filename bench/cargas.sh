#!/usr/bin/env bash
# Generates the three benchmark workloads (deterministically, into a folder) and times them:
# each engine and thread count three times, printing the median training time and the hashes.
#   bench/cargas.sh [BUILD_DIR] [DATA_DIR]
set -euo pipefail
build=${1:-build}
dados=${2:-/tmp/norvika-cargas}
bench="$build/bench/norvika-bench"
gera="$build/bench/norvika-gera-dados"
raiz=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$dados"
[ -f "$dados/w2.txt" ] || "$gera" gaussianas "$dados/w2.txt" --padroes 20000 --dimensao 64 --grupos 10 --semente 1
[ -f "$dados/w3.txt" ] || "$gera" pixels "$dados/w3.txt" --padroes 5000 --dimensao 784 --semente 1

declare -A carga
carga[W1]="$raiz/examples/iris.txt --linhas 12 --colunas 14 --raio 3 --vizinhanca GRID --ciclos 10000 --taxa 0,1 --evolucao 100 --semente 1"
carga[W2]="$dados/w2.txt --linhas 12 --colunas 14 --raio 12 --vizinhanca GRID --decrementar-raio --taxa 0,1 --evolucao 90 --semente 1"
carga[W3]="$dados/w3.txt --linhas 12 --colunas 14 --raio 3 --vizinhanca MANHATTAN --ciclos 3 --taxa 0,1 --evolucao 100 --semente 1"

mediana() { sort -n | sed -n 2p; }
for w in W1 W2 W3; do
  for modo in "--threads 1" "--threads 2" "--referencia"; do
    [ "$modo" = "--referencia" ] && [ "${SEM_REFERENCIA:-}" = 1 ] && continue
    saidas=()
    for i in 1 2 3; do saidas+=("$($bench ${carga[$w]} $modo)"); done
    treino=$(printf '%s\n' "${saidas[@]}" | grep '^treino_s=' | cut -d= -f2 | mediana)
    leitura=$(printf '%s\n' "${saidas[@]}" | grep '^leitura_s=' | cut -d= -f2 | mediana)
    hashes=$(printf '%s\n' "${saidas[0]}" | grep -E '^(pesos|contagens)_fnv=' | tr '\n' ' ')
    ns=$(printf '%s\n' "${saidas[0]}" | grep '^ns_por_termo=' | cut -d= -f2)
    echo "$w ${modo#--} treino_s(mediana)=$treino leitura_s=$leitura ns_por_termo=$ns $hashes"
  done
done
