#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes corvalto's manual page, in English and in Italian, from the help text the
program prints for --help (src/app/command_line.cpp), so that the two never disagree.

    make-manpage.py COMMAND_LINE_CPP OUT_EN OUT_IT

An option or argument of the help text with no English line here stops the build."""
import re
import sys

ENGLISH = {
    "-h, --help": "Shows this help and exits.",
    "-v, --version": "Shows the version and exits.",
    "--": "What follows is the list, even if it begins with \"-\".",
    "lista": "A chord list (.qvl) to open at start-up.",
}
ENGLISH_NAMES = {"lista": "list"}

PAGES = {
    "en": {
        "title": "User Commands",
        "name": "NAME", "synopsis": "SYNOPSIS", "description": "DESCRIPTION",
        "options": "OPTIONS", "arguments": "ARGUMENTS", "see": "SEE ALSO",
        "summary": "chord reference for guitarists",
        "usage_words": ("options", "list"),
        "text": ["Corvalto shows the name and the fingering of 144 guitar chords, "
                 "gathers chords into lists saved as .qvl files and printed as HTML "
                 "pages, writes riffs in tablature and has a 3D screen saver.",
                 "Its windows speak Italian."],
        "help": "The help document opens from the program's menu.",
    },
    "it": {
        "title": "Comandi utente",
        "name": "NOME", "synopsis": "SINTASSI", "description": "DESCRIZIONE",
        "options": "OPZIONI", "arguments": "ARGOMENTI", "see": "VEDERE ANCHE",
        "summary": None,
        "usage_words": ("opzioni", "lista"),
        "text": ["Corvalto mostra nome e diteggiatura di 144 accordi per chitarra, "
                 "raccoglie gli accordi in liste salvate come file .qvl e stampabili "
                 "come pagina HTML, scrive riff in tablatura e ha uno screen saver in 3D."],
        "help": "Il documento di aiuto si apre dal menu del programma.",
    },
}


def help_text(source):
    body = re.search(r"HelpText\s*=\s*QStringLiteral\((.*?)\);", source, re.S)
    if not body:
        sys.exit("make-manpage: no HelpText in the command line source")
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', body.group(1))
    return "".join(parts).encode().decode("unicode_escape").encode("latin-1").decode("utf-8")


def roff(text):
    # Hyphens, backslashes and a leading dot or quote are what groff reads as its own.
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return re.sub(r"^([.'])", r"\\&\1", text)


def parse(text):
    lines = text.split("\n")
    summary = lines[1].split(", ", 1)[1].rstrip(".")
    sections, current = {}, None
    for line in lines[2:]:
        if line.endswith(":") and not line.startswith(" "):
            current = line[:-1]
            sections[current] = []
        elif line.strip() and current:
            key, what = re.split(r"\s{2,}", line.strip(), maxsplit=1)
            sections[current].append((key, what))
    return summary, sections


def page(lang, summary, sections):
    p = PAGES[lang]
    options, arguments = sections.get("Opzioni", []), sections.get("Argomenti", [])
    for key, _ in options + arguments:
        if key not in ENGLISH:
            sys.exit(f"make-manpage: no English line for \"{key}\"")
    out = ['.TH CORVALTO 1 "2026-12-08" "Corvalto 3.0" "%s"' % p["title"],
           ".SH " + p["name"],
           "corvalto \\- " + roff(p["summary"] or summary),
           ".SH " + p["synopsis"],
           ".B corvalto",
           "[\\fI%s\\fR] [\\fI%s\\fR]" % p["usage_words"],
           ".SH " + p["description"]]
    for i, para in enumerate(p["text"]):
        if i:
            out.append(".PP")
        out.append(roff(para))
    out.append(".SH " + p["options"])
    for key, what in options:
        names = ", ".join("\\fB%s\\fR" % roff(n) for n in key.split(", "))
        out += [".TP", names, roff(what if lang == "it" else ENGLISH[key])]
    out.append(".SH " + p["arguments"])
    for key, what in arguments:
        name = key if lang == "it" else ENGLISH_NAMES.get(key, key)
        out += [".TP", "\\fI%s\\fR" % roff(name), roff(what if lang == "it" else ENGLISH[key])]
    out += [".SH " + p["see"], roff(p["help"])]
    return "\n".join(out) + "\n"


def main():
    source, out_en, out_it = sys.argv[1:4]
    with open(source, encoding="utf-8") as f:
        summary, sections = parse(help_text(f.read()))
    for lang, path in (("en", out_en), ("it", out_it)):
        with open(path, "w", encoding="utf-8") as f:
            f.write(page(lang, summary, sections))


main()
