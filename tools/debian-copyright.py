#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the Debian package's copyright file (the machine-readable format)
from the terms the repository states for itself, the way the REUSE tool reads
them: the SPDX lines at the top of each file and, for the files that cannot
carry them, the stanzas of .reuse/dep5. One source, so the two cannot disagree.

    debian-copyright.py [--source DIR] [--output FILE]  write the copyright file
    debian-copyright.py --list                         every file and its terms
    debian-copyright.py --compare-spdx FILE            the terms against `reuse spdx`

It fails, naming the files, when a file has no licence or no copyright line.
The file is as short as the terms allow: a "Files: *" stanza with the terms
most files share, the stanzas of .reuse/dep5 (their patterns cover files yet
to come), and the files that differ from both, each stanza overriding the ones
before it; the result is checked file by file before it is written.
"""
import argparse
import collections
import os
import re
import subprocess
import sys
from pathlib import Path

# The tag names are split so that this file is not read as carrying them.
LICENSE_TAG = "SPDX-" + "License-Identifier:"
COPYRIGHT_TAG = "SPDX-" + "FileCopyrightText:"
IGNORE_START, IGNORE_END = "REUSE-" + "IgnoreStart", "REUSE-" + "IgnoreEnd"
# The REUSE tool reads the first 4096 bytes and strips these comment endings.
HEADER_BYTES = 4096
END = r"(?:\*/|-->|\"\s*/*>|'\s*/*>|\]\s*::)*$"
LICENSE_RE = re.compile(r"^(.*?)" + re.escape(LICENSE_TAG) + r"[ \t]+(.*?)" + END, re.M)
COPYRIGHT_RES = [re.compile(r"(?P<c>" + prefix + r"\s+((\d{4} - \d{4}|\d{4}),?\s+)?.*?)" + END)
                 for prefix in (re.escape(COPYRIGHT_TAG), r"Copyright(\s?\([cC]\))?", "©")]

# Licences whose full text every Debian system has: the copyright file points there.
COMMON_LICENSES = {
    "GPL-3.0-or-later": (
        "GPL-3",
        "This program is free software: you can redistribute it and/or modify\n"
        "it under the terms of the GNU General Public License as published by\n"
        "the Free Software Foundation, either version 3 of the License, or\n"
        "(at your option) any later version.\n\n"
        "This program is distributed in the hope that it will be useful,\n"
        "but WITHOUT ANY WARRANTY; without even the implied warranty of\n"
        "MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.  See the\n"
        "GNU General Public License for more details.\n\n"
        "On Debian systems, the complete text of the GNU General Public License\n"
        "version 3 can be found in \"/usr/share/common-licenses/GPL-3\"."),
    "CC0-1.0": (
        "CC0-1.0",
        "To the extent possible under law, the authors have dedicated all\n"
        "copyright and related and neighboring rights to this work to the public\n"
        "domain worldwide. This work is distributed without any warranty.\n\n"
        "On Debian systems, the complete text of the CC0 1.0 Universal Public\n"
        "Domain Dedication can be found in \"/usr/share/common-licenses/CC0-1.0\"."),
}

Terms = collections.namedtuple("Terms", "copyrights license")


def fail(message):
    sys.exit(f"debian-copyright.py: {message}")


def parse_paragraphs(text):
    """The paragraphs of a deb822 file as lists of (field, value) pairs."""
    paragraphs, fields = [], []
    for line in text.splitlines() + [""]:
        if line.startswith("#"):
            continue
        if not line.strip():
            if fields:
                paragraphs.append(fields)
            fields = []
        elif line[0] in " \t":
            if not fields:
                fail(f"continuation line outside a field in .reuse/dep5: {line!r}")
            fields[-1] = (fields[-1][0], fields[-1][1] + "\n" + line.strip())
        else:
            name, sep, value = line.partition(":")
            if not sep:
                fail(f"not a field in .reuse/dep5: {line!r}")
            fields.append((name.strip(), value.strip()))
    return paragraphs


def pattern_regex(pattern):
    """A copyright-format pattern: * matches anything (slashes too), ? one character."""
    out, i = [], 0
    while i < len(pattern):
        c = pattern[i]
        if c == "\\" and i + 1 < len(pattern):
            out.append(re.escape(pattern[i + 1]))
            i += 1
        elif c == "*":
            out.append(".*")
        elif c == "?":
            out.append(".")
        else:
            out.append(re.escape(c))
        i += 1
    return re.compile("".join(out) + r"\Z", re.S)


class Stanza:
    def __init__(self, patterns, terms):
        self.patterns = patterns
        self.regexes = [pattern_regex(p) for p in patterns]
        self.terms = terms

    def matches(self, path):
        return any(r.match(path) for r in self.regexes)

    def matches_as_reuse_reads(self, path):
        """Debian 12's reuse (through python-debian) anchors only the last
        pattern of a Files line at the end: the others match as prefixes."""
        return any(re.match(r.pattern.removesuffix(r"\Z"), path) for r in self.regexes[:-1]) \
            or self.regexes[-1].match(path) is not None


def read_dep5(root):
    path = root / ".reuse" / "dep5"
    if not path.exists():
        return [], []
    paragraphs = parse_paragraphs(path.read_text(encoding="utf-8"))
    header, stanzas = [], []
    for fields in paragraphs:
        values = dict(fields)
        if "Format" in values:
            header = fields
        elif "Files" in values:
            if "Copyright" not in values or "License" not in values:
                fail(f".reuse/dep5: stanza for {values['Files']} lacks Copyright or License")
            copyrights = tuple(sorted({c.strip() for c in values["Copyright"].splitlines() if c.strip()}))
            stanzas.append(Stanza(values["Files"].split(), Terms(copyrights, values["License"].strip())))
    return header, stanzas


def project_files(root):
    """The files the REUSE tool looks at: git's files (tracked, or new and not
    ignored), or every file outside build trees where there is no git."""
    try:
        listed = subprocess.run(["git", "-C", str(root), "ls-files", "-z", "--cached", "--others",
                                 "--exclude-standard"], check=True, capture_output=True).stdout
        names = sorted(set(n for n in listed.decode().split("\0") if n))
    except (OSError, subprocess.CalledProcessError):
        names = []
        for folder, dirs, files in os.walk(root):
            dirs[:] = [d for d in dirs if d not in (".git", ".cache")
                       and not (Path(folder) / d / "CMakeCache.txt").exists()]
            names += [os.path.relpath(os.path.join(folder, f), root) for f in files]
        names.sort()
    kept = []
    for name in names:
        path = root / name
        parts = Path(name).parts
        if parts[0] in ("LICENSES", ".reuse") or ".git" in parts or ".hg" in parts:
            continue
        base = parts[-1]
        if re.match(r"LICENSE|COPYING|\.gitkeep$|\.hgtags$", base) or base.endswith(".license"):
            continue
        if path.is_symlink() or not path.is_file() or path.stat().st_size == 0:
            continue
        kept.append(name)
    return kept


def header_terms(path):
    with open(path, "rb") as f:
        text = f.read(HEADER_BYTES).decode("utf-8", errors="replace")
    while IGNORE_START in text:
        start = text.index(IGNORE_START)
        end = text.find(IGNORE_END, start)
        text = text[:start] + ("" if end < 0 else text[end + len(IGNORE_END):])
    licenses = set()
    for prefix, expression in LICENSE_RE.findall(text):
        expression = expression.strip()
        suffix = prefix.strip()[::-1]
        if suffix and expression.endswith(suffix):
            expression = expression[:-len(suffix)].strip()
        licenses.add(expression)
    copyrights = set()
    for line in text.splitlines():
        for regex in COPYRIGHT_RES:
            m = regex.search(line)
            if m:
                statement = m.group("c").strip()
                if statement.startswith(COPYRIGHT_TAG):
                    statement = statement[len(COPYRIGHT_TAG):].strip()
                copyrights.add(statement)
                break
    return copyrights, licenses


def dep5_license(expression):
    """An SPDX expression in the copyright format's words (lower-case operators)."""
    return re.sub(r"\b(AND|OR|WITH)\b", lambda m: m.group(1).lower(), expression)


def resolve(stanzas, path, as_reuse_reads=False):
    terms = None
    for stanza in stanzas:
        if stanza.matches_as_reuse_reads(path) if as_reuse_reads else stanza.matches(path):
            terms = stanza.terms
    return terms


def file_terms(root, dep5):
    """Every file's terms: its own lines together with the last dep5 stanza that
    matches it, as the REUSE tool combines them."""
    terms, unlicensed, misread = {}, [], []
    for name in project_files(root):
        copyrights, licenses = header_terms(root / name)
        from_dep5 = resolve(dep5, name)
        if from_dep5 != resolve(dep5, name, as_reuse_reads=True):
            misread.append(name)
        if from_dep5:
            copyrights |= set(from_dep5.copyrights)
            licenses.add(from_dep5.license)
        if not copyrights or not licenses:
            unlicensed.append(name)
            continue
        terms[name] = Terms(tuple(sorted(copyrights)),
                            " and ".join(dep5_license(e) for e in sorted(licenses)))
    if misread:
        fail("reuse reads .reuse/dep5 otherwise for these files: it matches every pattern of a Files\n"
             "line but the last as a prefix (so *.png takes x.png.txt); give the pattern that takes\n"
             "them a stanza of its own:\n  " + "\n  ".join(misread))
    if unlicensed:
        fail("no licence or no copyright for these files; give each the two SPDX lines at its top\n"
             "(copyright and licence, as in the files beside it) or cover it in .reuse/dep5:\n  "
             + "\n  ".join(unlicensed))
    return terms


def plan_stanzas(terms, dep5):
    """The Files stanzas, in order, that give every file exactly its terms."""
    counts = collections.Counter(terms.values())
    default = max(counts, key=lambda t: (counts[t], t))
    stanzas = [Stanza(["*"], default)]
    # The stanzas of dep5, less those that change no file's terms here.
    for stanza in dep5:
        before = {name: resolve(stanzas, name) for name in terms}
        if any(resolve(stanzas + [stanza], name) != before[name] for name in terms):
            stanzas.append(stanza)
    differing = collections.defaultdict(list)
    for name, wanted in terms.items():
        if resolve(stanzas, name) != wanted:
            if re.search(r"[\s*?\\]", name):
                fail(f"{name!r}: a name with spaces, * ? or \\ cannot be listed on its own")
            differing[wanted].append(name)
    for wanted in sorted(differing):
        stanzas.append(Stanza(sorted(differing[wanted]), wanted))
    for name, wanted in terms.items():
        assert resolve(stanzas, name) == wanted, name
    return stanzas


def field(name, value):
    """A field; a value of several lines continues on lines that begin with a space."""
    lines = value.split("\n")
    return "\n".join([f"{name}: {lines[0]}"] + [" " + (line.rstrip() or ".") for line in lines[1:]])


def license_text(root, identifier):
    if identifier in COMMON_LICENSES:
        return COMMON_LICENSES[identifier][1]
    path = root / "LICENSES" / f"{identifier}.txt"
    if not path.exists():
        fail(f"no text of {identifier} in LICENSES/")
    return path.read_text(encoding="utf-8").expandtabs().strip("\n")


def copyright_file(root):
    header, dep5 = read_dep5(root)
    terms = file_terms(root, dep5)
    if not header:
        fail(".reuse/dep5 has no header paragraph (Format, Upstream-Name, ...)")
    paragraphs = ["\n".join(field(k, v) for k, v in header)]
    identifiers = set()
    for stanza in plan_stanzas(terms, dep5):
        identifiers |= set(re.findall(r"[A-Za-z0-9.+-]+", stanza.terms.license)) - {"and", "or", "with"}
        # The patterns on one line where they fit in 80 columns, else one a line.
        one_line = " ".join(stanza.patterns)
        files = one_line if len("Files: " + one_line) <= 80 else "\n".join(stanza.patterns)
        paragraphs.append("\n".join([field("Files", files),
                                     field("Copyright", "\n".join(stanza.terms.copyrights)),
                                     field("License", stanza.terms.license)]))
    for identifier in sorted(identifiers):
        paragraphs.append(field("License", identifier + "\n" + license_text(root, identifier)))
    return "\n\n".join(paragraphs) + "\n"


def reuse_spdx_terms(text):
    """Each file's licences and copyright lines from `reuse spdx` (tag-value)."""
    found, name = {}, None
    for m in re.finditer(r"^(FileName|LicenseInfoInFile|FileCopyrightText): (<text>.*?</text>|[^\n]*)$", text, re.M | re.S):
        tag, value = m.group(1), m.group(2)
        if tag == "FileName":
            name = value.strip().removeprefix("./")
            found[name] = (set(), set())
        elif tag == "LicenseInfoInFile":
            found[name][1].add(dep5_license(value.strip()))
        else:
            lines = value.removeprefix("<text>").removesuffix("</text>").splitlines()
            found[name][0].update(line.strip().removeprefix(COPYRIGHT_TAG).strip() for line in lines if line.strip())
    return found


def compare_with_reuse(root, spdx_path):
    _, dep5 = read_dep5(root)
    ours = file_terms(root, dep5)
    theirs = reuse_spdx_terms(Path(spdx_path).read_text(encoding="utf-8"))
    problems = [f"{name}: only the REUSE tool sees it" for name in sorted(set(theirs) - set(ours))]
    problems += [f"{name}: the REUSE tool does not see it" for name in sorted(set(ours) - set(theirs))]
    for name in sorted(set(ours) & set(theirs)):
        copyrights, licenses = theirs[name]
        ours_licenses = set(ours[name].license.split(" and "))
        if set(ours[name].copyrights) != copyrights or ours_licenses != licenses:
            problems.append(f"{name}: here {sorted(ours[name].copyrights)} {sorted(ours_licenses)}, "
                            f"REUSE {sorted(copyrights)} {sorted(licenses)}")
    if problems:
        fail("the terms read here differ from the REUSE tool's:\n  " + "\n  ".join(problems))
    print(f"the same terms as the REUSE tool for all {len(ours)} files")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--source", default=Path(__file__).resolve().parent.parent, type=Path)
    parser.add_argument("--output", type=Path)
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--compare-spdx", metavar="FILE")
    args = parser.parse_args()
    root = args.source.resolve()
    if args.compare_spdx:
        compare_with_reuse(root, args.compare_spdx)
    elif args.list:
        _, dep5 = read_dep5(root)
        for name, terms in sorted(file_terms(root, dep5).items()):
            print(f"{name}\t{terms.license}\t{'; '.join(terms.copyrights)}")
    else:
        text = copyright_file(root)
        if args.output:
            args.output.parent.mkdir(parents=True, exist_ok=True)
            if not args.output.exists() or args.output.read_text(encoding="utf-8") != text:
                args.output.write_text(text, encoding="utf-8")
        else:
            sys.stdout.write(text)


if __name__ == "__main__":
    main()
