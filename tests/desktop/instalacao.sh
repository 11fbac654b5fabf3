#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks that every file is where the desktop looks
# for it, that the menu entry, the icon, the metadata and the programs name one another, and that
# the validators accept them (a validator this machine lacks is skipped with a message).
#   instalacao.sh BUILD_DIR
set -euo pipefail
build=$1
destino=$(mktemp -d)
trap 'rm -rf "$destino"' EXIT
DESTDIR=$destino cmake --install "$build" --prefix /usr > /dev/null
r=$destino/usr
id=br.org.norvika.Norvika
falhas=0
falha() { echo "FALHA: $*"; falhas=$((falhas + 1)); }

for f in norvika norvika-bench norvika-gera-dados norvika-figuras norvika-importa norvika-lab; do
  [ -x "$r/bin/$f" ] || falha "bin/$f não é um executável"
  gzip -t "$r/share/man/man1/$f.1.gz" 2> /dev/null || falha "share/man/man1/$f.1.gz falta ou não é gzip"
done
# The English pages, where `man -L en` looks; man itself finds nothing to warn about in any page.
for f in norvika norvika-figuras norvika-importa norvika-lab; do
  gzip -t "$r/share/man/en/man1/$f.1.gz" 2> /dev/null || falha "share/man/en/man1/$f.1.gz falta ou não é gzip"
done
if command -v man > /dev/null; then
  for pagina in "$r"/share/man/man1/*.1.gz "$r"/share/man/en/man1/*.1.gz; do
    avisos=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$pagina" 2>&1 > /dev/null)
    [ -z "$avisos" ] || falha "man avisa sobre ${pagina#$r/}: $avisos"
  done
fi
for f in applications/$id.desktop metainfo/$id.metainfo.xml icons/hicolor/scalable/apps/$id.svg \
         norvika/exemplos/iris.txt norvika/exemplos/cores.txt norvika/exemplos/animais.txt \
         norvika/exemplos/cores-aleatorias.txt norvika/exemplos/iris.csv \
         norvika/exemplos/cidades.txt doc/norvika/copyright; do
  [ -s "$r/share/$f" ] || falha "share/$f falta"
done
# Each PNG has the size of the folder it is in: width and height are bytes 16 to 23 of a PNG.
for t in 16 32 48 64 128 256; do
  png=$r/share/icons/hicolor/${t}x${t}/apps/$id.png
  if [ -s "$png" ]; then
    read -r -a b < <(od -An -tu1 -j16 -N8 "$png")
    largura=$(( (b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3] ))
    altura=$(( (b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7] ))
    [ "$largura x $altura" = "$t x $t" ] || falha "$png tem $largura x $altura"
  else
    falha "share/icons/hicolor/${t}x${t}/apps/$id.png falta"
  fi
done

# The entry starts the installed program with the file the file manager hands it, under the
# icon's name; the metadata launches that entry.
entrada=$r/share/applications/$id.desktop
grep -qx "Exec=norvika %f" "$entrada" || falha "a entrada não executa 'norvika %f'"
grep -qx "Icon=$id" "$entrada" || falha "a entrada não usa o ícone $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$r/share/metainfo/$id.metainfo.xml" ||
  falha "os metadados não lançam $id.desktop"
# "Abrir com" offers Norvika for pattern files and for the tables the import reads.
for tipo in text/plain text/csv text/tab-separated-values application/vnd.oasis.opendocument.spreadsheet \
            application/vnd.openxmlformats-officedocument.spreadsheetml.sheet; do
  grep -q "^MimeType=.*$tipo;" "$entrada" || falha "a entrada não se oferece para $tipo"
  [ "$tipo" = text/plain ] || grep -q "<mediatype>$tipo</mediatype>" "$r/share/metainfo/$id.metainfo.xml" ||
    falha "os metadados não dizem que o programa abre $tipo"
done

if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$entrada" || falha "desktop-file-validate recusou a entrada"
else
  echo "desktop-file-validate não está instalado (pacote desktop-file-utils): validação pulada"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$r/share/metainfo/$id.metainfo.xml" || falha "appstreamcli recusou os metadados"
  appstreamcli validate-tree --no-net "$destino" || falha "appstreamcli recusou a árvore instalada"
else
  echo "appstreamcli não está instalado (pacote appstream): validação pulada"
fi

[ $falhas -eq 0 ] || exit 1
echo "Instalação verificada."
