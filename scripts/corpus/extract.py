#!/usr/bin/env python3
"""Turn the Debian packages named in sources.tsv into plain Catalan and
Castilian prose, one paragraph per line, split by document into a training
set and a held-out set, and by register (technical manuals, everyday text).
Text in another language is machine-translated with Apertium on the way.

Usage: extract.py SOURCES_TSV DEBDIR OUTDIR

Writes OUTDIR/<lang>/<register>/{train,heldout}.txt, the same of every
register together in OUTDIR/<lang>/{train,heldout}.txt, and
OUTDIR/SOURCES.txt.  Translations are kept in OUTDIR/translations/, named by
a digest of what was translated, so that a second run does not translate
again.  Standard library only, so it runs on a bare Debian.
"""
import bz2
import gzip
import hashlib
import io
import re
import struct
import subprocess
import sys
import tarfile
import unicodedata
from collections import Counter, defaultdict
from html.parser import HTMLParser
from pathlib import Path

CODE = "\x00"  # stands where markup held code; any sentence holding it is dropped
HELDOUT_PERCENT = 10
# Whole files are the held-out units, but a very long file (a one-page manual)
# is cut into runs of consecutive paragraphs so that one coin toss cannot move
# a large share of a language between train and held-out.
UNIT_BYTES = 48_000
MIN_WORDS = 4


def die(msg):
    print(f"extract.py: {msg}", file=sys.stderr)
    sys.exit(1)


def nbytes(lines):
    return sum(len(line.encode()) + 1 for line in lines)


# ---------------------------------------------------------------- markup

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
        "meta", "param", "source", "track", "wbr"}

# Each dialect: (paragraph tags, tags whose content is skipped, tags whose
# content is code).  Text in code-like tags becomes CODE instead of vanishing,
# because a sentence with a hole in it is not prose either.
DIALECTS = {
    "html": (
        {"p", "div", "li", "dd", "dt", "td", "th", "h1", "h2", "h3", "h4", "h5",
         "h6", "blockquote", "tr", "ul", "ol", "dl", "table", "body",
         "caption", "figcaption", "section", "article", "hr"},
        {"head", "script", "style", "pre", "nav", "header", "footer", "aside",
         "button", "label", "select", "textarea", "noscript", "svg", "math",
         "form"},
        {"code", "kbd", "samp", "tt", "var"},
    ),
    "mallard": (
        {"p", "title", "subtitle", "item", "note", "td", "th", "tr", "section",
         "page", "list", "steps", "terms", "tree", "figure", "quote",
         "example", "table", "links"},
        {"info", "screen", "media", "comment", "synopsis"},
        {"code", "cmd", "file", "sys", "input", "output", "var", "key",
         "keyseq", "guiseq"},
    ),
}
# DocBook, texinfo and asciidoc mark code and navigation with classes.
SKIP_CLASSES = {"toc", "navheader", "navfooter", "nav_table", "screen",
                "programlisting", "synopsis", "cmdsynopsis", "funcsynopsis",
                "literallayout", "footer_version", "footer_report", "bascode",
                "listingblock", "literalblock", "example", "toc_header",
                "breadcrumbs", "footnotes", "footnote"}
CODE_CLASSES = {"command", "literal", "filename", "option", "replaceable",
                "keycap", "keycombo", "package", "systemitem", "email",
                "userinput", "computeroutput", "uri", "varname", "envar",
                "parameter", "function", "prompt", "sgmltag", "classname",
                "type", "constant", "menuchoice", "guisubmenu"}


class Markup(HTMLParser):
    """Collects the text of block elements as paragraphs.

    A skipped or code region ends when its own tag closes at the depth where
    it opened, so the unclosed <p> and <li> that real HTML is full of cannot
    make it swallow the rest of the page."""

    def __init__(self, dialect):
        super().__init__(convert_charrefs=True)
        self.block, self.skip, self.code = DIALECTS[dialect]
        self.mallard = dialect == "mallard"
        self.depth = Counter()
        self.regions = []  # (tag, depth at opening, "skip" | "code")
        self.paragraphs, self.buf = [], []

    def flush(self):
        if self.buf:
            self.paragraphs.append("".join(self.buf))
            self.buf = []

    def inside(self, kind):
        return any(r[2] == kind for r in self.regions)

    def handle_starttag(self, tag, attrs):
        if tag in self.block:
            self.flush()
        if tag == "br":
            self.buf.append(" ")
        if tag in VOID:
            return
        a = dict(attrs)
        classes = set((a.get("class") or "").split())
        self.depth[tag] += 1
        if tag in self.skip or classes & SKIP_CLASSES:
            # Skipped content (a code listing, a table of contents) ends
            # the paragraph: the text around it does not join up.
            self.flush()
            self.regions.append((tag, self.depth[tag], "skip"))
        elif tag in self.code or classes & CODE_CLASSES or "hidden" in a:
            if not self.inside("skip"):
                self.buf.append(CODE)
            self.regions.append((tag, self.depth[tag], "code"))

    def handle_startendtag(self, tag, attrs):
        # An empty Mallard <link xref=.../> is filled with the target's title
        # at display time; here it would leave a hole in the sentence.
        if self.mallard and tag == "link" and not self.inside("skip"):
            self.buf.append(CODE)
        if tag in self.block:
            self.flush()
        if tag == "br":
            self.buf.append(" ")

    def handle_endtag(self, tag):
        if tag in self.block:
            self.flush()
        if self.depth[tag] > 0:
            self.depth[tag] -= 1
            closed = [r for r in self.regions if r[0] == tag and r[1] > self.depth[tag]]
            if any(r[2] == "skip" for r in closed):
                self.flush()
            self.regions = [r for r in self.regions if r not in closed]

    def handle_data(self, data):
        if not self.regions:
            self.buf.append(data)


def parse_markup(text, dialect):
    p = Markup(dialect)
    p.feed(text)
    p.close()
    p.flush()
    return p.paragraphs


# ------------------------------------------------------------------ roff

ROFF_CHARS = {"em": "—", "en": "–", "aq": "'", "dq": '"', "lq": "“",
              "rq": "”", "oq": "‘", "cq": "’", "Fo": "«", "Fc": "»",
              "bu": "", "hy": "-", "co": "©", "rg": "®", "de": "°"}
# Font macros: the plain ones take words, the alternating ones take pieces
# of one word ("ls(1),").
ROFF_FONTS = {"B", "I", "SM", "SB"}
ROFF_ALTERNATING = {"BR", "IR", "RB", "RI", "BI", "IB"}
# Sections that list commands, files or names rather than explain anything.
ROFF_SKIP_SECTIONS = re.compile(
    r"NOMBRE|NAME|SINOPSIS|SYNOPSIS|V[EÉ]ASE|VER TAMBI[EÉ]N|TRADUCCI[OÓ]N|AUTOR|"
    r"COLOF[OÓ]N|EJEMPLO|ARCHIVOS|FICHEROS|COPYRIGHT|DERECHOS|ERRORES", re.I)


def roff_text(s):
    s = re.sub(r"\\f(\[[^]]*\]|\(..|.)", "", s)     # font changes
    s = re.sub(r"\\s[-+]?\d", "", s)                 # size changes
    s = re.sub(r"\\\((..)|\\\[(\w+)\]",
               lambda m: ROFF_CHARS.get(m[1] or m[2], CODE), s)
    s = re.sub(r"\\\*(\(..|\[[^]]*\]|.)", CODE, s)  # strings we cannot expand
    s = s.replace("\\-", "-").replace("\\e", "\\").replace("\\ ", " ")
    s = s.replace("\\~", " ")
    return re.sub(r"\\[&|^,/c%:]", "", s)


def parse_roff(text):
    paragraphs, buf = [], []
    nofill = skip_section = tag_line = False

    def flush():
        if buf:
            paragraphs.append(" ".join(buf))
            buf.clear()

    for line in text.splitlines():
        if line.startswith((".", "'")):
            macro, _, args = line[1:].strip().partition(" ")
            if macro in ("nf", "EX"):
                nofill = True
            elif macro in ("fi", "EE"):
                nofill = False
            elif macro in ("SH", "SS"):
                flush()
                skip_section = bool(ROFF_SKIP_SECTIONS.search(args))
            elif macro == "TP":
                flush()
                tag_line = True  # next line is the term: an option or a name
            elif macro in ("PP", "LP", "P", "IP", "HP", "RS", "RE", "sp",
                           "br", "TH"):
                flush()
            elif macro in ROFF_FONTS | ROFF_ALTERNATING and not (nofill or skip_section):
                words = [w.strip('"') for w in re.findall(r'"[^"]*"|\S+', args)]
                joiner = "" if macro in ROFF_ALTERNATING else " "
                buf.append(roff_text(joiner.join(words)))
            continue
        if nofill or skip_section:
            continue
        if tag_line:
            tag_line = False
            continue
        buf.append(roff_text(line))
    flush()
    return paragraphs


# ---------------------------------------------------- fortunes, mo, text

def parse_fortune(text):
    paragraphs = []
    for cookie in re.split(r"^%\s*$", text, flags=re.M):
        lines = [ln for ln in cookie.strip().splitlines() if ln.strip()]
        # Trailing attribution lines ("-- Author") are names, not prose.
        while lines and re.match(r"\s*(--|—|―|-\s)", lines[-1]):
            lines.pop()
        paragraphs.append(" ".join(lines))
    return paragraphs


def parse_mo(data):
    """Translated strings (msgstr) of a GNU .mo catalogue, header excluded."""
    order = "<" if data[:4] == b"\xde\x12\x04\x95" else ">"
    _, count, ids_at, strs_at = struct.unpack(order + "4I", data[4:20])
    out = []
    for i in range(count):
        ilen, ioff = struct.unpack(order + "2I", data[ids_at + 8 * i:ids_at + 8 * i + 8])
        slen, soff = struct.unpack(order + "2I", data[strs_at + 8 * i:strs_at + 8 * i + 8])
        msgid = data[ioff:ioff + ilen]
        if not msgid:
            continue
        ids = set(msgid.split(b"\x04")[-1].split(b"\0"))
        for s in data[soff:soff + slen].split(b"\0"):
            if s and s not in ids:  # an untranslated copy would be English
                out.append(s.decode("utf-8", "replace"))
    paragraphs = []
    for s in out:
        s = re.sub(r"^\?[\w ]+:", "", s)            # disambiguation prefix
        s = re.sub(r"\[/?[biu]\]", "", s)           # inline rich-text tags
        # A lone _ or & before a letter is a keyboard accelerator.
        if len(re.findall(r"[_&](?=\w)", s)) == 1:
            s = re.sub(r"(?<![_&])[_&](?=\w)", "", s)
        paragraphs.extend(p.replace("\n", " ") for p in s.split("\n\n"))
    return paragraphs


def parse_text(text):
    return [p.replace("\n", " ") for p in re.split(r"\n\s*\n", text)]


# ------------------------------------------------------------- cleaning

CHARMAP = str.maketrans({"\u00a0": " ", "\u202f": " ", "\u2009": " ",
                         "\u00ad": None, "\u200b": None, "\ufeff": None,
                         "\u2019": "'", "\u0140": "l·", "\u013f": "L·",
                         "\t": " ", "\r": " ", "\n": " "})
SENTENCE_END = re.compile(r"(?<=[.!?…])\s+(?=[«\"“(¿¡]?[A-ZÀ-ÖØ-Þ0-9])")
# Any of these marks a sentence as code, a path, an address or a template.
TECHNICAL = re.compile(
    r"[/\\=<>{}\[\]|~^`$@#_*+▸→⇒›]"     # paths, markup, menus, operators
    r"|%[-+ #0]*\d*(\.\d+)?[a-zA-Z]"   # printf placeholders
    r"|(^|\s)--?\w"                     # command-line options
    r"|\w\.\w"                          # file names, host names, versions
    r"|\b(?=\w*\d)(?=\w*[^\W\d_])\w+"   # x86, ext4, IPv6
    r"|\b[a-z]+[A-Z]"                   # identifiers: newWidth, aDate
    r"|&\w")
LIST_MARK = re.compile(r"^(?:[-–—•·]|\d+[.)]|[a-z][.)])\s+")
# Words after a hyphen are Catalan enclitics ("fer-los"), not Castilian "los".
WORD = re.compile(r"(?<![-\w])[^\W\d_]+(?:['·][^\W\d_]+)*")

# Function words that are frequent in one language and absent, or rare, in
# the others, plus spelling only one of them uses.  Translations left in
# English are the common fault in these packages; the other language of the
# pair is checked too, to catch a quotation or a mislabelled file.
EXCLUSIVE = {
    "ca": set("amb els per i què és són aquest aquesta aquests aquestes també "
              "però més pot poden hi ho seu seva seus seves dels pels als cal "
              "fer quan on com molt molts tot tots totes fins sense després "
              "perquè així ara encara només mitjançant vostre vostra heu podeu "
              "teniu sempre cap altre altra altres qualsevol quin quina "
              "mateix jo ell meu meva tenir fa vaig sóc hem feu".split()),
    "es": set("los las con para por y este esta estos estas también pero "
              "más puede pueden hay lo su sus cuando donde como muy todo todos "
              "todas hasta sin sino después porque así ahora todavía sólo solo "
              "mediante usted siempre otro otra otros otras cualquier "
              "cual cuál mismo nosotros yo él mi tener hace ya le nos qué eso "
              "esto ese esa fue está están sea tiene tienen debe desde "
              "hacer uno aunque pues según mientras".split()),
    "en": set("the and of to is that this with you are be it for which from "
              "can will not have your an or by if as at was has when these "
              "there their should into use used using".split()),
}
# Shared by Catalan and Castilian, never English: evidence against English
# that says nothing about which of the two a paragraph is in.
ROMANCE = set("de del la el en que un una al se es les ha han si entre sobre "
              "ser dos".split())
SPELLING = {"ca": re.compile(r"[·àèòç]|\b[ldsnmt]'\w|ció\b", re.I),
            "es": re.compile(r"[ñ¿¡á]|ción\b", re.I)}


def language_ok(par, lang):
    words = [w.lower() for w in WORD.findall(par)]
    other = "es" if lang == "ca" else "ca"
    mine = sum(w in EXCLUSIVE[lang] for w in words) + len(SPELLING[lang].findall(par))
    theirs = sum(w in EXCLUSIVE[other] for w in words) + len(SPELLING[other].findall(par))
    english = sum(w in EXCLUSIVE["en"] for w in words)
    romance = mine + sum(w in ROMANCE for w in words)
    return (romance >= max(1, len(words) // 15) and english * 2 < romance
            and theirs <= max(1, mine))


def clean(par, lang):
    par = unicodedata.normalize("NFC", par).translate(CHARMAP)
    par = re.sub(r"\s+", " ", par).strip()
    if lang == "ca":  # "col.lecció" is a common stand-in for "col·lecció"
        par = re.sub(r"(?<=[lL])[.•∙⋅](?=[lL])", "·", par)
    par = LIST_MARK.sub("", par)
    kept = [s for s in SENTENCE_END.split(par)
            if CODE not in s and not TECHNICAL.search(s)]
    par = " ".join(kept).strip()
    letters = sum(c.isalpha() for c in par)
    visible = sum(not c.isspace() for c in par)
    if (len(par.split()) < MIN_WORDS or letters < 0.8 * visible
            or sum(c.isupper() for c in par) > 0.5 * letters):
        return None
    return par if language_ok(par, lang) else None


# ------------------------------------------------------------- packages

REGISTERS = ("technical", "everyday")
# Apertium pairs, named by the language of the source text and the one wanted.
PAIRS = {("es", "ca"): "spa-cat", ("en", "ca"): "eng-cat", ("en", "es"): "eng-spa"}


def read_rules(path):
    rules = defaultdict(list)  # package -> [(lang, register, format, regex, source lang)]
    for n, line in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        fields = line.split()
        if len(fields) not in (5, 6) or fields[1] not in ("ca", "es"):
            die(f"{path}:{n}: expected 'package ca|es register format regex [from]'")
        pkg, lang, register, fmt, regex = fields[:5]
        source = fields[5] if len(fields) == 6 else lang
        if register not in REGISTERS:
            die(f"{path}:{n}: unknown register {register}")
        if fmt not in ("html", "mallard", "roff", "fortune", "mo", "text"):
            die(f"{path}:{n}: unknown format {fmt}")
        if source != lang and (source, lang) not in PAIRS:
            die(f"{path}:{n}: no translation from {source} to {lang}")
        rules[pkg].append((lang, register, fmt, re.compile(regex), source))
    return rules


def decode(name, data):
    if name.endswith(".gz"):
        data = gzip.decompress(data)
    elif name.endswith(".bz2"):
        data = bz2.decompress(data)
    try:
        return data.decode("utf-8")
    except UnicodeDecodeError:
        return data.decode("latin-1")


def paragraphs_of(fmt, name, data):
    if fmt == "mo":
        return parse_mo(data)
    text = decode(name, data)
    if fmt in DIALECTS:
        return parse_markup(text, fmt)
    return {"roff": parse_roff, "fortune": parse_fortune, "text": parse_text}[fmt](text)


TRANSLATE_BATCH = 64


def apertium(pair, paragraphs):
    """The paragraphs translated one for one, or None for a paragraph that
    Apertium loses (it can swallow a line, and the lines after it would
    shift): a batch that comes back short is halved until the culprit is
    alone, and that one is left out."""
    done = subprocess.run(["apertium", "-u", pair],
                          input="".join(p + "\n" for p in paragraphs).encode(),
                          capture_output=True)
    if done.returncode != 0:
        die(f"apertium {pair} failed: {done.stderr.decode(errors='replace').strip()}")
    out = done.stdout.decode("utf-8", "replace").split("\n")
    if len(out) == len(paragraphs) + 1 and not out[-1]:
        return [line if line.strip() else None for line in out[:-1]]
    if len(paragraphs) == 1:
        return [None]
    half = len(paragraphs) // 2
    return apertium(pair, paragraphs[:half]) + apertium(pair, paragraphs[half:])


def translate(paragraphs, source, lang, cache):
    """The paragraphs in `lang` by Apertium, the lost ones left out; kept in
    `cache`, one line per paragraph, an empty line for a lost one."""
    pair = PAIRS[source, lang]
    digest = hashlib.sha1("\n".join([pair] + paragraphs).encode()).hexdigest()
    kept = cache / f"{pair}-{digest}.txt"
    if not kept.exists():
        out = []
        for at in range(0, len(paragraphs), TRANSLATE_BATCH):
            out += apertium(pair, paragraphs[at:at + TRANSLATE_BATCH])
        cache.mkdir(parents=True, exist_ok=True)
        partial = kept.with_suffix(".part")
        partial.write_text("".join((p or "") + "\n" for p in out), encoding="utf-8")
        partial.rename(kept)
    return [p for p in kept.read_text(encoding="utf-8").split("\n")[:len(paragraphs)] if p]


def source_paragraphs(par):
    """A paragraph of another language made ready for translation."""
    par = unicodedata.normalize("NFC", par).translate(CHARMAP)
    return re.sub(r"\s+", " ", par).strip()


def read_package(deb, rules, cache):
    """Yield (path, unit name, lang, register, paragraphs) for each rule a member meets,
    in path order so that the output does not depend on archive order."""
    proc = subprocess.Popen(["dpkg-deb", "--fsys-tarfile", str(deb)],
                            stdout=subprocess.PIPE)
    found = []
    try:
        with tarfile.open(fileobj=proc.stdout, mode="r|") as tar:
            for member in tar:
                name = member.name.removeprefix("./")
                hits = [r for r in rules if r[3].search(name)]
                if member.isfile() and hits:
                    found.append((name, hits, tar.extractfile(member).read()))
    except tarfile.TarError as e:
        die(f"cannot read {deb}: {e}")
    if proc.wait() != 0:
        die(f"cannot read {deb}")
    for name, hits, data in sorted(found, key=lambda f: f[0]):
        for lang, register, fmt, _, source in hits:
            raw = paragraphs_of(fmt, name, data)
            if source != lang:
                raw = [p for p in (source_paragraphs(x) for x in raw) if p]
                raw = translate(raw, source, lang, cache)
            # A translation is a document of its own for the held-out split.
            unit = name if source == lang else f"{name}>{lang}"
            yield name, unit, lang, register, [p for p in (clean(x, lang) for x in raw) if p]


def licences(deb):
    """The licences the package's copyright file names."""
    listing = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(deb)], capture_output=True)
    found = set()
    try:
        with tarfile.open(fileobj=io.BytesIO(listing.stdout), mode="r:") as tar:
            for member in tar:
                if not re.fullmatch(r"(\./)?usr/share/doc/[^/]+/copyright", member.name):
                    continue
                if not member.isfile():
                    continue
                text = tar.extractfile(member).read().decode("utf-8", "replace")
                dep5 = re.findall(r"^License:[ \t]*(\S.*)$", text, re.M)
                if dep5:
                    found.update(x.strip() for x in dep5)
                else:
                    found.update(m.strip() for m in re.findall(
                        r"((?:GNU )?(?:Lesser |Library )?General Public License[^.\n]*"
                        r"|GPL[- ]?v?\d[.\d+]*\+?|Creative Commons[^.\n]*"
                        r"|CC[- ]BY[- ]SA[^,.\s]*|GNU Free Documentation License[^.\n]*"
                        r"|BSD (?:copyright|licen[cs]e))",
                        text))
    except tarfile.TarError:
        pass
    return sorted(found) or ["named in no form this reads: see usr/share/doc/*/copyright in it"]


def units(pkg, name, paragraphs):
    """Cut a file into held-out units of at most about UNIT_BYTES."""
    chunk, size, index = [], 0, 0
    for p in paragraphs:
        chunk.append(p)
        size += nbytes([p])
        if size >= UNIT_BYTES:
            yield f"{pkg}:{name}:{index}", chunk
            chunk, size, index = [], 0, index + 1
    if chunk:
        yield f"{pkg}:{name}:{index}", chunk


def is_heldout(key):
    digest = hashlib.sha1(key.encode()).digest()
    return int.from_bytes(digest[:8], "big") % 100 < HELDOUT_PERCENT


def main():
    if len(sys.argv) != 4:
        die("usage: extract.py SOURCES_TSV DEBDIR OUTDIR")
    rules, debdir, outdir = read_rules(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    cache = outdir / "translations"

    # Gather every unit first: duplicates are settled across the whole
    # language, training text first, so held-out lines never occur in train.
    packages, gathered = [], []  # gathered: (pkg, file, lang, register, split, [lines])
    for pkg, pkg_rules in rules.items():
        debs = sorted(debdir.glob(f"{pkg}_*.deb"))
        if len(debs) != 1:
            die(f"expected one {pkg}_*.deb in {debdir}, found {len(debs)}")
        field = subprocess.run(["dpkg-deb", "-f", str(debs[0]), "Version"],
                               capture_output=True, text=True)
        if field.returncode != 0:
            die(f"cannot read {debs[0]}: {field.stderr.strip()}")
        version = field.stdout.strip()
        packages.append((pkg, version, debs[0].name, licences(debs[0])))
        for name, unit, lang, register, paragraphs in read_package(debs[0], pkg_rules, cache):
            for key, chunk in units(pkg, unit, paragraphs):
                split = "heldout" if is_heldout(key) else "train"
                gathered.append((pkg, name, lang, register, split, chunk))
        print(f"extract.py: read {pkg} {version}", file=sys.stderr)

    seen = {"ca": set(), "es": set()}
    texts = defaultdict(list)           # (lang, register, split) -> lines
    per_file = Counter()                # (pkg, file, lang, register, split) -> bytes
    for wanted in ("train", "heldout"):
        for pkg, name, lang, register, split, chunk in gathered:
            if split != wanted:
                continue
            for line in chunk:
                if line not in seen[lang]:
                    seen[lang].add(line)
                    texts[lang, register, split].append(line)
                    per_file[pkg, name, lang, register, split] += nbytes([line])

    for lang in ("ca", "es"):
        for split in ("train", "heldout"):
            every = []
            for register in REGISTERS:
                lines = texts[lang, register, split]
                every += lines
                (outdir / lang / register).mkdir(parents=True, exist_ok=True)
                (outdir / lang / register / f"{split}.txt").write_text(
                    "".join(line + "\n" for line in lines), encoding="utf-8")
            (outdir / lang / f"{split}.txt").write_text(
                "".join(line + "\n" for line in every), encoding="utf-8")
    write_sources(outdir / "SOURCES.txt", rules, packages, texts, per_file)
    for (lang, register, split), lines in sorted(texts.items()):
        print(f"  {lang}/{register}/{split}.txt: {nbytes(lines)} bytes, {len(lines)} lines",
              file=sys.stderr)


def write_sources(path, rules, packages, texts, per_file):
    out = ["Debian 12 (bookworm) packages behind this corpus, and what each gave.",
           "Sizes are bytes of UTF-8 text after cleaning and removing duplicates.",
           "Text translated by machine names its Apertium pair.",
           "", "Totals:"]
    for lang in ("ca", "es"):
        for register in REGISTERS:
            for split in ("train", "heldout"):
                lines = texts[lang, register, split]
                out.append(f"  {lang} {register:9} {split:8} {nbytes(lines):>10} bytes"
                           f" {len(lines):>8} lines")
    out += ["", "Packages:"]
    for pkg, version, deb, licence in packages:
        out.append(f"  {pkg} {version} ({deb})")
        out.append(f"    licence: {'; '.join(licence)}")
        for lang, register, fmt, regex, source in rules[pkg]:
            how = "" if source == lang else f", translated by apertium {PAIRS[source, lang]}"
            out.append(f"    {lang} {register} {fmt} files matching {regex.pattern}{how}")
        for lang in ("ca", "es"):
            for register in REGISTERS:
                counts = {s: sum(b for (p, _, lg, r, sp), b in per_file.items()
                                 if p == pkg and lg == lang and r == register and sp == s)
                          for s in ("train", "heldout")}
                if any(counts.values()):
                    used = len({f for (p, f, lg, r, _) in per_file
                                if p == pkg and lg == lang and r == register})
                    out.append(f"    {lang} {register}: {used} files used, train"
                               f" {counts['train']} bytes, heldout {counts['heldout']} bytes")
    out += ["", "Files used (package, path, language, register, split, bytes):"]
    for (pkg, name, lang, register, split), b in sorted(per_file.items()):
        out.append(f"  {pkg} {name} {lang} {register} {split} {b}")
    path.write_text("\n".join(out) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
