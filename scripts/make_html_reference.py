#!/usr/bin/env python3
"""Writes data/Help/index.htm, the HTML reference that F1 opens, from
html_reference_data.py. Every element gets two anchors, its name in
capitals and in lower case, because F1 passes the word at the caret as it
is written and fragments are case-sensitive."""
import html
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from html_reference_data import HTML4, HTML5  # noqa: E402

ROOT = os.path.join(os.path.dirname(__file__), "..")
OUT = os.path.join(ROOT, "data", "Help", "index.htm")

COMMON = [
    ("ID", "jedinečné jméno prvku na stránce: cíl odkazu „#jméno“, oslovení stylem (#jméno) a skriptem"),
    ("CLASS", "jedna nebo více tříd oddělených mezerou, na které se vážou styly"),
    ("STYLE", "styl CSS přímo v prvku, např. STYLE=\"color: Red\""),
    ("TITLE", "doplňující popisek, který prohlížeč ukáže po najetí myší"),
    ("LANG", "jazyk obsahu, např. cs nebo en"),
    ("DIR", "směr textu: ltr nebo rtl"),
    ("ONCLICK, ONMOUSEOVER, ONKEYDOWN…", "obsluhy událostí: skript spuštěný při klepnutí, najetí myší, stisku klávesy"),
]


def esc(text):
    return html.escape(text, quote=False)


def section(entry):
    name, purpose, attrs, example, note = entry
    out = [f'<div class="tag" id="{name}">',
           f'<h2 id="{name.lower()}">&lt;{name}&gt;</h2>',
           f'<p>{esc(purpose)}</p>']
    if note:
        out.append(f'<p class="pozn">{esc(note)}</p>')
    if attrs:
        out.append('<table class="atributy">')
        out.append('<tr><th>Atribut</th><th>Význam</th></tr>')
        for a, meaning in attrs:
            out.append(f'<tr><td><code>{esc(a)}</code></td><td>{esc(meaning)}</td></tr>')
        out.append('</table>')
    else:
        out.append('<p class="bez">Jen <a href="#spolecne">společné atributy</a>.</p>')
    out.append('<p class="priklad">Příklad:</p>')
    out.append(f'<pre>{esc(example)}</pre>')
    out.append('<p class="nahoru"><a href="#obsah">Nahoru na přehled</a></p>')
    out.append('</div>')
    return "\n".join(out)


def overview(entries):
    links = " ".join(f'<a href="#{e[0]}">{e[0]}</a>' for e in entries)
    return f'<p class="prehled">{links}</p>'


def main():
    page = [
        '<!DOCTYPE html>',
        '<html lang="cs">',
        '<head>',
        '<meta charset="utf-8">',
        '<title>Nápověda HTML – Vellomy</title>',
        '<link rel="stylesheet" href="styl.css">',
        '</head>',
        '<body>',
        '<h1 id="obsah">Nápověda HTML</h1>',
        '<p>Přehled značek jazyka HTML s jejich atributy a krátkými ukázkami. '
        'Stisknete-li v editoru klávesu <kbd>F1</kbd>, když kurzor stojí na jménu značky '
        '(například na slově TABLE v zápisu <code>&lt;TABLE BORDER="1"&gt;</code>), '
        'otevře se tato stránka přímo u dané značky.</p>',
        '<p>Jména značek a atributů lze psát velkými i malými písmeny; v ukázkách jsou '
        'velkými, aby se odlišila od textu. Atributy označené „HTML 4“ patří starším stránkám '
        'a v HTML5 je nahrazují styly CSS.</p>',
        '<h2 class="skupina">HTML 4.01</h2>',
        overview(HTML4),
        '<h2 class="skupina">Nové prvky HTML5</h2>',
        overview(HTML5),
        '<div class="tag" id="spolecne">',
        '<h2>Společné atributy</h2>',
        '<p>Tyto atributy smí nést téměř každý prvek v těle stránky:</p>',
        '<table class="atributy">',
        '<tr><th>Atribut</th><th>Význam</th></tr>',
    ]
    for a, meaning in COMMON:
        page.append(f'<tr><td><code>{esc(a)}</code></td><td>{esc(meaning)}</td></tr>')
    page += ['</table>', '</div>', '<h2 class="skupina">Prvky HTML 4.01</h2>']
    page += [section(e) for e in HTML4]
    page.append('<h2 class="skupina">Prvky HTML5</h2>')
    page += [section(e) for e in HTML5]
    page += ['<p class="paticka">Vellomy – editor webových stránek. Nápověda programu je v menu '
             'Nápověda → Jak pracovat s Vellomy.</p>', '</body>', '</html>', '']
    with open(OUT, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(page))


if __name__ == "__main__":
    main()
