#!/usr/bin/env bash
# The command lines: --help and --version answer on the standard output without any display (a
# terminal, a build machine); an unknown option is refused; the tools' help and manual pages name
# every option their code accepts.
#   linha-de-comando.sh SOURCE_DIR NORVIKA NORVIKA_BENCH NORVIKA_GERA_DADOS VERSION NORVIKA_FIGURAS
#                       NORVIKA_IMPORTA NORVIKA_LAB
set -uo pipefail
fonte=$1 norvika=$2 bench=$3 gera=$4 versao=$5 figuras=$6 importa=$7 lab=$8
falhas=0
falha() { echo "FALHA: $*"; falhas=$((falhas + 1)); }
semTela() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
# Portuguese, whatever language this machine's user chose in the program (--idioma beats it).
export NORVIKA_IDIOMA=pt

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
           "$figuras:app/figuras.cpp:norvika-figuras" "$importa:app/importa.cpp:norvika-importa" \
           "$lab:app/lab.cpp:norvika-lab"; do
  IFS=: read -r programa codigo nome <<< "$par"
  ajuda=$(semTela "$programa" --help) || falha "$nome --help terminou com $?"
  for opcao in $(grep -o 'a == "--[a-z-]*"' "$fonte/$codigo" | grep -o -- '--[a-z-]*'); do
    grep -qF -- "$opcao" <<< "$ajuda" || falha "$nome --help não descreve $opcao"
    for pagina in "$fonte/desktop/man/$nome.1.in" "$fonte/desktop/man/en/$nome.1.in"; do
      [ -e "$pagina" ] || continue
      grep -qF -- "$opcao" <<< "$(sed 's/\\-/-/g' "$pagina")" || falha "$pagina não descreve $opcao"
    done
  done
done

# The tools in English (--idioma or NORVIKA_IDIOMA): their help is translated, with no line left in
# Portuguese (words only Portuguese has), while option names, the NAME=value lines and the files
# written stay as they are in Portuguese.
portugues='[ãõçáéíóúâêô]|\b(ou|de|da|dos|das|um|uma|com|para|sem|os|não|mostra)\b'
for par in "$figuras:app/figuras.cpp:norvika-figuras" "$importa:app/importa.cpp:norvika-importa" \
           "$lab:app/lab.cpp:norvika-lab"; do
  IFS=: read -r programa codigo nome <<< "$par"
  pt=$(semTela "$programa" --idioma pt --help) || falha "$nome --idioma pt --help terminou com $?"
  for en in "$(semTela "$programa" --help --idioma en)" "$(NORVIKA_IDIOMA=en semTela "$programa" --help)"; do
    [ "$en" != "$pt" ] || falha "$nome --help em inglês é a ajuda em português"
    ! grep -E -- "$portugues" <<< "$en" || falha "$nome --help em inglês tem as linhas acima em português"
    for opcao in $(grep -o 'a == "--[a-z-]*"' "$fonte/$codigo" | grep -o -- '--[a-z-]*'); do
      grep -qF -- "$opcao" <<< "$en" || falha "$nome --help em inglês não descreve $opcao"
    done
  done
done

# An import writes the pattern file and its report; bad input ends with 1 and writes nothing.
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
printf '"";"a";"b";"classe"\n"1";1,5;2;"x"\n"2";3;4,25;"y"\n' > "$pasta/t.csv"
relatorio=$("$importa" "$pasta/t.csv" --saida "$pasta/p.txt") || falha "norvika-importa terminou com $?"
[ "$(cat "$pasta/p.txt")" = "$(printf '2|2#a|b\n1,5|2|x#\n3|4,25|y#')" ] ||
  falha "norvika-importa gravou '$(cat "$pasta/p.txt")'"
grep -qF "Linhas lidas: 2; padrões: 2" <<< "$relatorio" || falha "relatório do norvika-importa: '$relatorio'"
"$importa" "$pasta/t.csv" --saida "$pasta/p-en.txt" --idioma en > /dev/null ||
  falha "norvika-importa --idioma en terminou com $?"
cmp -s "$pasta/p.txt" "$pasta/p-en.txt" || falha "norvika-importa --idioma en gravou outro arquivo"
printf 'a,b\n1,2\n3\n' > "$pasta/ruim.csv"
erro=$("$importa" "$pasta/ruim.csv" --saida "$pasta/r.txt" 2>&1 > /dev/null)
codigo=$?
[ $codigo -eq 1 ] || falha "norvika-importa com uma linha curta terminou com $codigo"
grep -qF "Linha 3" <<< "$erro" || falha "norvika-importa com uma linha curta escreveu '$erro'"
[ ! -e "$pasta/r.txt" ] || falha "norvika-importa gravou apesar do erro"


# The laboratory: the measures, a map saved as a codebook that starts another run, each pattern's
# winner; bad settings end with 1 and a message that names them.
"$lab" "$fonte/examples/iris.txt" --mapa 4x6 --raio 2 --epocas 20 --modo lote \
  --semente 18446744073709551615 --saida "$pasta/m.cod" --vencedores "$pasta/v.csv" \
  > "$pasta/l1.txt" || falha "norvika-lab terminou com $?"
grep -q "^#norvika-lab .* semente=18446744073709551615$" "$pasta/m.cod" ||
  falha "norvika-lab não gravou a semente 2^64 - 1 no comentário do mapa"
for campo in motor= erro_quantizacao= erro_topografico= pesos_fnv= treino_s=; do
  grep -q "^$campo" "$pasta/l1.txt" || falha "norvika-lab não escreveu $campo"
done
head -1 "$pasta/m.cod" | grep -qx "4 hexa 6 4 gaussian" || falha "norvika-lab gravou '$(head -1 "$pasta/m.cod")'"
[ "$(grep -c ';' "$pasta/v.csv")" -eq 151 ] || falha "norvika-lab --vencedores: $(wc -l < "$pasta/v.csv") linhas"
# In English the same measures and the same files, line for line (the times aside), also under a
# Brazilian locale where the machine has one (it would give printf a decimal comma).
LC_ALL=pt_BR.UTF-8 "$lab" "$fonte/examples/iris.txt" --mapa 4x6 --raio 2 --epocas 20 --modo lote \
  --semente 18446744073709551615 --saida "$pasta/m-en.cod" --vencedores "$pasta/v-en.csv" \
  --idioma en > "$pasta/l1-en.txt" 2> /dev/null || falha "norvika-lab --idioma en terminou com $?"
[ "$(grep -v '_s=' "$pasta/l1.txt")" = "$(grep -v '_s=' "$pasta/l1-en.txt")" ] ||
  falha "norvika-lab --idioma en mudou as linhas NOME=valor: $(diff "$pasta/l1.txt" "$pasta/l1-en.txt")"
# The table's header is translated; its rows are not.
cmp -s "$pasta/m.cod" "$pasta/m-en.cod" &&
  [ "$(tail -n +2 "$pasta/v.csv")" = "$(tail -n +2 "$pasta/v-en.csv")" ] ||
  falha "norvika-lab --idioma en gravou outros arquivos"
[ "$(head -n 1 "$pasta/v-en.csv")" = $'pattern;row;column;distance;label\r' ] ||
  falha "norvika-lab --idioma en: cabeçalho $(head -n 1 "$pasta/v-en.csv")"
"$lab" "$fonte/examples/iris.txt" --mapa 4x6 --raio 1 --epocas 2 --inicio "$pasta/m.cod" > /dev/null ||
  falha "norvika-lab --inicio com o mapa gravado terminou com $?"
erro=$("$lab" "$fonte/examples/iris.txt" --mapa 3x4 --toroidal --raio 1 --epocas 2 2>&1 > /dev/null)
codigo=$?
[ $codigo -eq 1 ] || falha "norvika-lab com hexagonal toroidal de linhas ímpares terminou com $codigo"
grep -qF "número par de linhas" <<< "$erro" || falha "norvika-lab hexagonal toroidal ímpar escreveu '$erro'"
erro=$("$lab" "$fonte/examples/iris.txt" --mapa 4x6 --raio 1 --epocas 2 --inicio "$pasta/m.cod" --topologia retangular --mapa 5x6 2>&1 > /dev/null)
grep -qF "o treino pede 5 x 6" <<< "$erro" || falha "norvika-lab com mapa inicial de outro tamanho escreveu '$erro'"

# What a script needs: the window's suggestion as options; the starting map saved, which starts the
# same batch training again; a table's label column and missing values chosen.
sugestao=$("$lab" "$fonte/examples/iris.csv" --sugerir) || falha "norvika-lab --sugerir terminou com $?"
grep -q "^--mapa [0-9]*x[0-9]* --topologia hexagonal" <<< "$sugestao" ||
  falha "norvika-lab --sugerir escreveu '$sugestao'"
"$lab" "$fonte/examples/iris.csv" $sugestao --salvar-inicio "$pasta/i.cod" > "$pasta/s1.txt" ||
  falha "norvika-lab com a sugestão terminou com $?"
"$lab" "$fonte/examples/iris.csv" ${sugestao/--inicio linear/--inicio $pasta/i.cod} > "$pasta/s2.txt" ||
  falha "norvika-lab --inicio com o mapa inicial terminou com $?"
[ "$(grep pesos_fnv "$pasta/s1.txt")" = "$(grep pesos_fnv "$pasta/s2.txt")" ] ||
  falha "o mapa inicial gravado não deu o mesmo treino"
"$lab" "$fonte/examples/iris.csv" --mapa 3x3 --epocas 2 --rotulo nenhum --ausentes media \
  --saida "$pasta/sr.cod" > /dev/null || falha "norvika-lab --rotulo nenhum terminou com $?"
! grep -v '^#' "$pasta/sr.cod" | tail -n +2 | grep -q '[a-z]$' ||
  falha "norvika-lab --rotulo nenhum gravou rótulos"

# Bad command lines and outputs: each ends with its status and a message naming what is wrong,
# before any work, and the file it names (an input, an old output) keeps every byte.
cp "$fonte/examples/iris.txt" "$pasta/d.txt"
printf '4\n' > "$pasta/vazio.txt"
echo "antigo" > "$pasta/g.txt"
printf 'a,b,c\n1,2,"x\n3,4,y\n' > "$pasta/aspa.csv"
printf 'a,b\n1,NA\n?,2\n' > "$pasta/ausentes.csv"
cp "$fonte/examples/iris.txt" "$pasta/pad.png"
mkfifo "$pasta/fifo"
mkdir "$pasta/pasta"
while IFS='|' read -r esperado trecho guarda comando; do
  [ -n "$comando" ] || continue
  antes=$(sha256sum < "$guarda")
  erro=$(eval "timeout 30 $comando" 2>&1 > /dev/null)
  codigo=$?
  [ $codigo -eq "$esperado" ] || falha "$comando terminou com $codigo (esperado $esperado)"
  grep -qF -- "$trecho" <<< "$erro" || falha "$comando escreveu '$erro'"
  [ "$(sha256sum < "$guarda")" = "$antes" ] || falha "$comando mudou $guarda"
done << EOF
1|--saida "$pasta/d.txt" é o próprio arquivo de dados|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --saida "$pasta/d.txt"
1|é o próprio arquivo de dados|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --vencedores "$pasta/../$(basename "$pasta")/d.txt"
1|--saida "$pasta/pasta": é uma pasta|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --saida "$pasta/pasta"
1|a pasta não existe|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --vencedores "$pasta/nao/v.csv"
1|gravariam o mesmo arquivo|$pasta/g.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --saida "$pasta/g.txt" --vencedores "$pasta/g.txt"
1|deve terminar em .gif ou .webp|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --animacao "$pasta/d.png"
1|propriedade=9: os dados não têm essa coluna|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --animacao "$pasta/p.gif" --vista propriedade=9
1|--mapa não vale para --modelo gng|$pasta/d.txt|"$lab" "$pasta/d.txt" --modelo gng --mapa 3x3 --sinais 10
1|--eps vale para os modelos de aprendizado competitivo|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --eps 0,1
1|não tem unidades|$pasta/d.txt|"$lab" "$pasta/d.txt" --modelo hcl --epocas 1 --inicio "$pasta/vazio.txt"
1|--sinais deve estar entre 1 e|$pasta/d.txt|"$lab" "$pasta/d.txt" --modelo hcl --sinais 1e15
1|--unidades-max deve estar entre 4 e|$pasta/d.txt|"$lab" "$pasta/d.txt" --modelo gg --unidades-max 3
1|--semente: "1e19"|$pasta/d.txt|"$lab" "$pasta/d.txt" --mapa 2x2 --raio 1 --epocas 1 --semente 1e19
1|é o próprio arquivo de entrada|$pasta/d.txt|"$importa" "$pasta/d.txt" --saida "$pasta/d.txt"
1|não se fecham até o fim do arquivo|$pasta/g.txt|"$importa" "$pasta/aspa.csv" --saida "$pasta/g.txt"
1|Nenhum padrão restou|$pasta/g.txt|"$importa" "$pasta/ausentes.csv" --saida "$pasta/g.txt"
2|--padroes: "abc" não é um número inteiro|$pasta/g.txt|"$gera" quadrado "$pasta/g.txt" --padroes abc
2|entre 1 e|$pasta/g.txt|"$gera" quadrado "$pasta/g.txt" --padroes 0
2|é grande demais|$pasta/g.txt|"$gera" quadrado "$pasta/g.txt" --padroes 99999999999999999999
2|grupos deve ficar entre 1 e|$pasta/g.txt|"$gera" gaussianas "$pasta/g.txt" --grupos 10000000000
2|dimensão deve ficar entre 1 e|$pasta/g.txt|"$gera" pixels "$pasta/g.txt" --dimensao 1000000000
1|não é um arquivo comum|$pasta/g.txt|"$gera" quadrado "$pasta/fifo"
1|deve terminar em .png, .jpg, .svg ou .pdf|$pasta/d.txt|env QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/r.cfg" "$pasta/d.txt" --vista rotulos --saida "$pasta/d.txt"
1|os dados não têm essa coluna|$pasta/d.txt|env QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/m.cod" "$pasta/d.txt" --vista propriedade=9 --saida "$pasta/p9.png" --agrupamentos 3
1|é o próprio arquivo de padrões|$pasta/pad.png|env QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/r.cfg" "$pasta/pad.png" --vista rotulos --saida "$pasta/pad.png"
1|40 milhões de pixels|$pasta/g.txt|env QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/r.cfg" "$pasta/d.txt" --vista todas --saida "$pasta/f" --largura 20000 --altura 20000
EOF

# Pictures of a laboratory map; their text grows with the shorter side (the legend's title, its
# size times the drawing's scale in the SVG); an unknown extension writes nothing.
tamanhoDoTitulo() {
  awk '/transform="matrix\(/ { match($0, /matrix\([^,]*/); m = substr($0, RSTART + 7, RLENGTH - 7) }
       /font-size="/ { match($0, /font-size="[^"]*/); f = substr($0, RSTART + 11, RLENGTH - 11) }
       />Rótulos</ { print m * f; exit }' "$1"
}
for tamanho in 800x600 3840x2160; do
  QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/m.cod" "$fonte/examples/iris.txt" --vista rotulos \
    --saida "$pasta/t$tamanho.svg" --largura "${tamanho%x*}" --altura "${tamanho#*x}" 2> /dev/null ||
    falha "norvika-figuras com o mapa do laboratório ($tamanho) terminou com $?"
done
pequeno=$(tamanhoDoTitulo "$pasta/t800x600.svg") grande=$(tamanhoDoTitulo "$pasta/t3840x2160.svg")
[ -n "$pequeno" ] && awk -v p="$pequeno" -v g="$grande" 'BEGIN { exit !(g / p > 3.59 && g / p < 3.61) }' ||
  falha "norvika-figuras: o título da legenda tem $pequeno em 800 × 600 e $grande em 3840 × 2160"
QT_QPA_PLATFORM=offscreen "$figuras" "$pasta/m.cod" "$fonte/examples/iris.txt" --vista planos \
  --saida "$pasta/f.bmp" 2> /dev/null && falha "norvika-figuras aceitou .bmp"
[ ! -e "$pasta/f.bmp" ] || falha "norvika-figuras gravou o .bmp que recusou"

# The replay as an animation: the frames asked for, a GIF.
"$lab" "$fonte/examples/iris.txt" --mapa 4x6 --raio 2 --epocas 8 --quadros 5 --largura 200 \
  --altura 150 --animacao "$pasta/a.gif" > "$pasta/an.txt" 2> /dev/null ||
  falha "norvika-lab --animacao terminou com $?"
grep -qx "animacao_quadros=5" "$pasta/an.txt" || falha "norvika-lab --animacao: $(cat "$pasta/an.txt")"
[ "$(head -c 6 "$pasta/a.gif")" = "GIF89a" ] || falha "norvika-lab --animacao não gravou um GIF"

# A growing neural gas: its measures, and its graph as GraphML, started again from its own units.
"$lab" "$fonte/examples/iris.txt" --modelo gng --sinais 3000 --lambda 100 --saida "$pasta/gng.txt" \
  --grafo "$pasta/gng.graphml" > "$pasta/gng.out" 2> /dev/null || falha "norvika-lab --modelo gng terminou com $?"
grep -qx "unidades=32" "$pasta/gng.out" || falha "norvika-lab --modelo gng: $(cat "$pasta/gng.out")"
[ "$(grep -c "<node " "$pasta/gng.graphml")" = 32 ] || falha "--grafo não tem os 32 nós"
"$lab" "$fonte/examples/iris.txt" --modelo hcl --inicio "$pasta/gng.txt" --epocas 1 > "$pasta/hcl.out" 2> /dev/null &&
  grep -qx "unidades=32" "$pasta/hcl.out" || falha "--inicio com as unidades de --saida: $(cat "$pasta/hcl.out")"

# Ended by SIGTERM while writing: the old file whole, no temporary file left beside it.
mkdir "$pasta/sinal" && echo "antigo" > "$pasta/sinal/q.txt"
"$gera" quadrado "$pasta/sinal/q.txt" --padroes 10000000 &
sleep 0.5
kill -TERM $! 2> /dev/null
wait $! 2> /dev/null
[ "$(ls "$pasta/sinal")" = "q.txt" ] || falha "SIGTERM deixou $(ls "$pasta/sinal" | tr '\n' ' ')"
{ [ "$(cat "$pasta/sinal/q.txt")" = "antigo" ] || [ "$(head -1 "$pasta/sinal/q.txt")" = "10000000|2#" ]; } ||
  falha "SIGTERM estragou o arquivo antigo"

[ $falhas -eq 0 ] || exit 1
echo "Linhas de comando verificadas."
