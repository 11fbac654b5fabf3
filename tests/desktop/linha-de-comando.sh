#!/usr/bin/env bash
# The command lines: --help and --version answer on the standard output without any display (a
# terminal, a build machine); an unknown option is refused; the tools' help and manual pages name
# every option their code accepts.
#   linha-de-comando.sh SOURCE_DIR NORVIKA NORVIKA_BENCH NORVIKA_GERA_DADOS VERSION NORVIKA_FIGURAS
set -uo pipefail
fonte=$1 norvika=$2 bench=$3 gera=$4 versao=$5 figuras=$6
falhas=0
falha() { echo "FALHA: $*"; falhas=$((falhas + 1)); }
semTela() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

saida=$(semTela "$norvika" --help 2> /dev/null) || falha "norvika --help terminou com $?"
for t in "Uso: norvika" "--help" "--version" "ARQUIVO" ".cfg"; do
  grep -qF -- "$t" <<< "$saida" || falha "norvika --help não fala de $t"
done
for opcao in --version -v; do
  saida=$(semTela "$norvika" $opcao 2> /dev/null) || falha "norvika $opcao terminou com $?"
  [ "$saida" = "Norvika $versao" ] || falha "norvika $opcao escreveu '$saida'"
done
erro=$(QT_QPA_PLATFORM=offscreen "$norvika" --nao-existe 2>&1 > /dev/null)
codigo=$?
[ $codigo -eq 2 ] || falha "norvika --nao-existe terminou com $codigo"
grep -qF "opção desconhecida: --nao-existe" <<< "$erro" || falha "norvika --nao-existe escreveu '$erro'"

for par in "$bench:bench/norvika_bench.cpp:norvika-bench" "$gera:bench/gera_dados.cpp:norvika-gera-dados" \
           "$figuras:app/figuras.cpp:norvika-figuras"; do
  IFS=: read -r programa codigo nome <<< "$par"
  ajuda=$(semTela "$programa" --help) || falha "$nome --help terminou com $?"
  manual=$(sed 's/\\-/-/g' "$fonte/desktop/man/$nome.1.in")
  for opcao in $(grep -o 'a == "--[a-z-]*"' "$fonte/$codigo" | grep -o -- '--[a-z-]*'); do
    grep -qF -- "$opcao" <<< "$ajuda" || falha "$nome --help não descreve $opcao"
    grep -qF -- "$opcao" <<< "$manual" || falha "a página de manual de $nome não descreve $opcao"
  done
done

[ $falhas -eq 0 ] || exit 1
echo "Linhas de comando verificadas."
