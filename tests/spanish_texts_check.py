"""Every Spanish text Baralune writes: known to Debian's Spanish dictionary, cards named as in
the card-name field, and one term for each thing.

Usage: spanish_texts_check.py SOURCE_DIR BARALUNE_DEAL
"""
import html
import re
import subprocess
import sys

source, deal = sys.argv[1], sys.argv[2]

# Names and terms the dictionary does not know; everything else must be Spanish as written.
ALLOWED = {
    "Baralune", "Kelvane", "kelvane", "example", "SQLite", "RTF", "PDF", "CSV", "FIFO", "socket",
    "baralune", "deal", "spread", "cards", "out", "text", "pdf", "language", "help", "version",
    "en", "es", "MB", "LC_ALL", "LC_MESSAGES", "LANG", "N", "L", "Qt", "PNG", "png",
    "tarot",  # in the Academy's dictionary, not in Debian's
    "HH", "mm", "MMM", "MMMM", "yyyy",  # date formats' fields
    "WebAssembly",  # what the browser edition needs of a browser
    "Tab", "Mayús",  # key names as printed on Spanish keyboards
}

# Each thing has one name: these variants may appear nowhere.
FORBIDDEN = [
    "Disposición de 9 cartas", "Periodo de tiempo", "Cartas propias", "cien por cien",
    "subida de sueldo", "línea de órdenes", "matrimonio temprano", "generar una lectura",
    "se asiente el polvo", "gitana / romaní", "tú mismo", "tú misma", "Ahora!", "...",
    "Es comprometida", "nuevo reencuentro", "como el tiempo", "nuevas funciones",
    "muy bienvenido", "papel casi maternal", "para más detalles", "para saber más",
    "Ten este programa", "Carta boca abajo",
]

RANKS = "As|Dos|Tres|Cuatro|Cinco|Seis|Siete|Sota|Rey|Caballo"
SUITS = "Bastos|Oros|Copas|Espadas"
# A card named by its number ("el 7 de Espadas", "el 3 y el 5") or with a lower-case rank.
DIGIT_CARD = re.compile(r"\b(?:el|la|los|las|del|al|y)\s+\d+\b(?!\.ª)")
LOWER_RANK = re.compile(r"\b(?:%s)\s+de\s+(?:%s)\b" % (RANKS.lower(), SUITS))
NUMBER_OF_SUIT = re.compile(r"\b\d+\s+de\s+(?:%s)\b" % SUITS)


def literals(path, after=None):
    """The C++ string literals of a file, adjacent ones joined (from `after` on)."""
    code = open(path, encoding="utf-8").read()
    if after:
        code = code[code.index(after):]
    code = re.sub(r"//[^\n]*|#include[^\n]*", "", code)
    texts = []
    for group in re.finditer(r'(?:"(?:[^"\\]|\\.)*"\s*)+', code):
        joined = "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', group.group(0)))
        texts.append(joined.replace("\\r\\n", "\n").replace("\\n", "\n").replace('\\"', '"'))
    return texts


def ts_translations(path):
    xml = open(path, encoding="utf-8").read()
    found = re.findall(r"<(?:translation|numerusform)>([^<]*)<", xml)
    return [html.unescape(t).replace("&", "") for t in found]


def metainfo_spanish(path):
    xml = open(path, encoding="utf-8").read()
    return [html.unescape(re.sub(r"<[^>]+>", " ", t))
            for t in re.findall(r'xml:lang="es">(.*?)</', xml, re.S)]


texts = []
for name in ("card_descriptions_es", "card_facts_es", "special_sentences_es",
             "spread_descriptions_es", "spreads_es"):
    texts += literals(f"{source}/engine/{name}.cpp")
texts += literals(f"{source}/engine/report_words.cpp", after="kSpanish")
texts += ts_translations(f"{source}/translations/baralune_es.ts")
texts += metainfo_spanish(f"{source}/dist/baralune.metainfo.xml.in")
# The dealer's help and one of its errors, as a Spanish reader meets them.
run = lambda *args: subprocess.run([deal, *args], capture_output=True, text=True)
texts.append(run("--language", "es", "--help").stdout)
texts.append(run("--language", "es", "--spread", "9").stderr)

# The pages that describe Baralune in Spanish use the same terms.
prose = [open(f"{source}/{name}", encoding="utf-8").read()
         for name in ("dist/man/es/baralune.1", "dist/man/es/baralune-deal.1", "README.es.md")]
prose += re.findall(r"^\w+\[es\]=(.*)$", open(f"{source}/dist/baralune.desktop").read(), re.M)

problems = []
for text in prose:
    for variant in FORBIDDEN:
        if variant in text:
            problems.append(f"forbidden variant {variant!r} in: {text[:80]!r}")
for text in texts:
    for variant in FORBIDDEN:
        if variant in text:
            problems.append(f"forbidden variant {variant!r} in: {text[:80]!r}")
    for pattern in (DIGIT_CARD, LOWER_RANK, NUMBER_OF_SUIT):
        for m in pattern.finditer(text):
            problems.append(f"card not named as in its name field {m.group(0)!r} in: {text[:80]!r}")

# Options, placeholders and file names are not words.
words = "\n".join(texts)
words = re.sub(r"--?[a-z]+|\.ª|%[0-9n]|\*\.[a-z]+|\S+\.(?:rtf|pdf|csv)\b|@[A-Z_]+@|[\w.-]+_\w+", " ", words)
checked = subprocess.run(["hunspell", "-d", "es_ES", "-l"], input=words, capture_output=True,
                         text=True, check=True)
unknown = set(checked.stdout.split()) - ALLOWED

# The dictionary lacks most imperatives with their pronouns attached ("Visítanos",
# "regálaselo"): such a word passes when the verb without them, unaccented, is known.
PRONOUNS = re.compile(r"(?:(?:se|me|te|nos)(?:lo|la|los|las)|nos|los|las|les|me|te|se|lo|la|le)$")
UNACCENT = str.maketrans("áéíóú", "aeiou")
stems = {w: PRONOUNS.sub("", w).translate(UNACCENT) for w in unknown if PRONOUNS.search(w)}
if stems:
    checked = subprocess.run(["hunspell", "-d", "es_ES", "-l"], input="\n".join(stems.values()),
                             capture_output=True, text=True, check=True)
    unknown_stems = set(checked.stdout.split())
    unknown -= {w for w, stem in stems.items() if stem and stem not in unknown_stems}
unknown = sorted(unknown)
if unknown:
    problems.append("unknown to the Spanish dictionary: " + " ".join(unknown))

for problem in problems:
    print(problem)
print(f"{len(texts) + len(prose)} texts checked, {len(problems)} problems")
sys.exit(1 if problems else 0)
