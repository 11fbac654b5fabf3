#!/usr/bin/env python3
"""Draws a graph of units that norvika-lab wrote with --grafo (GraphML) as an SVG picture: the
first two values of each unit as its position, its edges as lines, and optionally the patterns of
a data file behind them as faint dots.

    scripts/grafo-svg.py GRAFO.graphml SAIDA.svg [--dados PADROES] [--titulo TEXTO]

PADROES is a Norvika pattern file (values separated by "|", decimal comma) or a plain table of
numbers (blanks, commas or semicolons between them, decimal point); only its first two columns are
drawn. Needs only Python's standard library.
"""

import argparse
import re
import sys
import xml.etree.ElementTree as ET

NS = "{http://graphml.graphdrawing.org/xmlns}"


def le_grafo(caminho):
    raiz = ET.parse(caminho).getroot()
    chaves = [k.get("id") for k in raiz.iter(NS + "key") if k.get("for") == "node"]
    if len(chaves) < 2:
        sys.exit("o grafo precisa de unidades com ao menos dois valores")
    posicao, nos = {}, []
    for no in raiz.iter(NS + "node"):
        valores = {d.get("key"): float(d.text) for d in no.iter(NS + "data")}
        posicao[no.get("id")] = (valores[chaves[0]], valores[chaves[1]])
        nos.append(no.get("id"))
    arestas = [(a.get("source"), a.get("target")) for a in raiz.iter(NS + "edge")]
    return [posicao[n] for n in nos], [(posicao[a], posicao[b]) for a, b in arestas]


def le_padroes(caminho):
    pontos = []
    with open(caminho, encoding="utf-8", errors="replace") as arquivo:
        for linha in arquivo:
            if "|" in linha:
                campos = [c.replace(",", ".") for c in linha.split("|")]
            else:
                campos = re.split(r"[\s,;]+", linha.strip())
            try:
                pontos.append((float(campos[0]), float(campos[1])))
            except (ValueError, IndexError):
                continue  # a header, a label line, a blank line
    return pontos


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("grafo")
    p.add_argument("saida")
    p.add_argument("--dados")
    p.add_argument("--titulo", default="")
    a = p.parse_args()
    nos, arestas = le_grafo(a.grafo)
    padroes = le_padroes(a.dados) if a.dados else []
    todos = nos + padroes
    x0, x1 = min(x for x, _ in todos), max(x for x, _ in todos)
    y0, y1 = min(y for _, y in todos), max(y for _, y in todos)
    lado, margem, topo = 700.0, 20.0, 40.0 if a.titulo else 20.0
    escala = lado / max(x1 - x0, y1 - y0, 1e-12)
    largura = (x1 - x0) * escala + 2 * margem
    altura = (y1 - y0) * escala + margem + topo

    def ponto(x, y):  # y grows upwards, as in a plot
        return margem + (x - x0) * escala, topo + (y1 - y) * escala

    s = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{largura:.0f}" height="{altura:.0f}">',
         '<rect width="100%" height="100%" fill="white"/>']
    if a.titulo:
        s.append(f'<text x="{margem}" y="26" font-family="sans-serif" font-size="16">'
                 f'{a.titulo.replace("&", "&amp;").replace("<", "&lt;")}</text>')
    # At most 5000 patterns, evenly chosen: more only darken the picture.
    passo = max(1, len(padroes) // 5000)
    for x, y in padroes[::passo]:
        px, py = ponto(x, y)
        s.append(f'<circle cx="{px:.1f}" cy="{py:.1f}" r="1.5" fill="#9ecae1" stroke="none"/>')
    for (ax, ay), (bx, by) in arestas:
        (pa, qa), (pb, qb) = ponto(ax, ay), ponto(bx, by)
        s.append(f'<line x1="{pa:.1f}" y1="{qa:.1f}" x2="{pb:.1f}" y2="{qb:.1f}" '
                 'stroke="#333" stroke-width="1.2"/>')
    for x, y in nos:
        px, py = ponto(x, y)
        s.append(f'<circle cx="{px:.1f}" cy="{py:.1f}" r="3" fill="#d62728" stroke="none"/>')
    s.append("</svg>")
    with open(a.saida, "w", encoding="utf-8") as saida:
        saida.write("\n".join(s) + "\n")
    print(f"{a.saida}: {len(nos)} unidades, {len(arestas)} arestas")


if __name__ == "__main__":
    main()
