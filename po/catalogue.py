#!/usr/bin/python3
"""The translators' .po files and what the program reads of them.

  catalogue.py template OUT.pot TABLES SOURCE...
                                             the messages the code writes, and those the program
                                             TABLES prints from the core's tables, as gettext's
                                             template
  catalogue.py merge POT PO...               each language brought up to the template (msgmerge)
  catalogue.py json PO OUT.json              one language as the core reads it
  catalogue.py check POT PO...               every message translated, none stale or fuzzy, the
                                             same {arguments} in each translation
  catalogue.py verify WORK TABLES POT PO... -- SOURCE...
                                             the template made afresh from the code (in WORK)
                                             holds what POT holds, and each PO is checked
                                             against it
  catalogue.py pseudo POT OUT.json           a made-up language, accented and 40 % longer, to
                                             find the texts that would not fit
"""
import json
import os
import re
import subprocess
import sys

import polib

ARGUMENT = re.compile(r"\{[a-zA-Z_]+\}")


def template(out, tables, sources):
    sources = sorted(os.path.relpath(s) for s in sources)
    cpp = [s for s in sources if not s.endswith(".js")]
    js = [s for s in sources if s.endswith(".js")]
    common = ["xgettext", "--from-code=UTF-8", "--sort-by-file", "--add-location=file",
              "--add-comments=Translators:", "--package-name=hopscape",
              "--msgid-bugs-address=translators@hopscape.invalid", "-o", out]
    subprocess.run(common + ["--language=C++", "--keyword=", "--keyword=Translate:1",
                             "--keyword=TranslateCount:1,2", "--keyword=Message:1", "--keyword=QtText:1"] + cpp,
                   check=True)
    if js:
        subprocess.run(common + ["--join-existing", "--language=JavaScript", "--keyword=",
                                 "--keyword=say:1", "--keyword=sayCount:1,2"] + js, check=True)
    # The template's own header is gettext's; fill in what it leaves for the project.
    pot = polib.pofile(out)
    pot.metadata["Content-Type"] = "text/plain; charset=UTF-8"
    pot.metadata.pop("POT-Creation-Date", None)
    printed = subprocess.run([tables], check=True, capture_output=True, text=True).stdout
    known = {e.msgid for e in pot}
    for entry in polib.pofile(printed):
        if entry.msgid not in known:
            pot.append(entry)
            known.add(entry.msgid)
    pot.save(out)


def merge(pot, pos):
    for po in pos:
        subprocess.run(["msgmerge", "--quiet", "--update", "--backup=none", "--no-wrap", po, pot],
                       check=True)


def plural_expression(po):
    forms = po.metadata.get("Plural-Forms", "nplurals=2; plural=n != 1;")
    match = re.search(r"plural\s*=\s*(.+?);?\s*$", forms)
    return match.group(1).strip().rstrip(";") if match else "n != 1"


def to_json(po_path, out):
    po = polib.pofile(po_path)
    messages = {}
    for entry in po.translated_entries():
        if entry.obsolete or "fuzzy" in entry.flags:
            continue
        if entry.msgid_plural:
            messages[entry.msgid] = [entry.msgstr_plural[k] for k in sorted(entry.msgstr_plural)]
        else:
            messages[entry.msgid] = [entry.msgstr]
    language = po.metadata.get("Language", "")
    document = {"language": language, "plural": plural_expression(po), "messages": messages}
    with open(out, "w", encoding="utf-8") as f:
        json.dump(document, f, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


def check(pot_path, po_paths):
    pot = polib.pofile(pot_path)
    wanted = {(e.msgid, e.msgid_plural) for e in pot}
    faults = []
    for path in po_paths:
        result = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", path],
                                capture_output=True, text=True)
        if result.returncode != 0:
            faults.append(f"{path}: msgfmt --check: {result.stderr.strip()}")
        po = polib.pofile(path)
        if not po.metadata.get("Language"):
            faults.append(f"{path}: no Language in the header")
        have = {}
        for entry in po:
            if entry.obsolete:
                continue
            have[(entry.msgid, entry.msgid_plural)] = entry
        for key in sorted(wanted - have.keys()):
            faults.append(f"{path}: missing {key[0]!r}")
        for key in sorted(have.keys() - wanted):
            faults.append(f"{path}: stale {key[0]!r} (no longer in the code)")
        for key, entry in sorted(have.items()):
            if key not in wanted:
                continue
            if "fuzzy" in entry.flags:
                faults.append(f"{path}: fuzzy {entry.msgid!r}")
                continue
            forms = list(entry.msgstr_plural.values()) if entry.msgid_plural else [entry.msgstr]
            if not all(forms):
                faults.append(f"{path}: untranslated {entry.msgid!r}")
                continue
            english = set(ARGUMENT.findall(entry.msgid + (entry.msgid_plural or "")))
            english.discard("{count}")
            for form in forms:
                said = set(ARGUMENT.findall(form))
                said.discard("{count}")
                if said != english:
                    faults.append(f"{path}: {entry.msgid!r} has arguments {sorted(said)}, "
                                  f"English {sorted(english)}")
    for fault in faults:
        print(fault)
    print(f"{len(po_paths)} catalogues, {len(wanted)} messages, {len(faults)} faults")
    return 1 if faults else 0


ACCENTED = str.maketrans("aceinouyACEINOUY", "àçéîñôûýÀÇÉÎÑÔÛÝ")  # Latin-1: the page's fonts hold it


def pseudo_text(text):
    # Accents on the letters, arguments left alone, and 40 % more, in brackets that show cuts.
    parts = re.split(r"(\{[a-zA-Z_]+\})", text)
    said = "".join(p if ARGUMENT.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    extra = max(1, round(len(text) * 0.4) - 2)
    padding = ("~" * extra)
    return "[" + said + padding + "]"


def pseudo(pot_path, out):
    pot = polib.pofile(pot_path)
    messages = {}
    for entry in pot:
        if entry.msgid_plural:
            messages[entry.msgid] = [pseudo_text(entry.msgid), pseudo_text(entry.msgid_plural)]
        else:
            messages[entry.msgid] = [pseudo_text(entry.msgid)]
    document = {"language": "en-XA", "plural": "n != 1", "messages": messages}
    with open(out, "w", encoding="utf-8") as f:
        json.dump(document, f, ensure_ascii=False, separators=(",", ":"), sort_keys=True)


def verify(work, tables, pot_path, pos, sources):
    fresh = os.path.join(work, "hopscape.pot")
    os.makedirs(work, exist_ok=True)
    template(fresh, tables, sources)
    made = {(e.msgid, e.msgid_plural) for e in polib.pofile(fresh)}
    kept = {(e.msgid, e.msgid_plural) for e in polib.pofile(pot_path)}
    faults = 0
    for key in sorted(made - kept):
        print(f"{pot_path}: lacks {key[0]!r}, which the code says (make catalogue-template)")
        faults += 1
    for key in sorted(kept - made):
        print(f"{pot_path}: holds {key[0]!r}, which the code no longer says")
        faults += 1
    return 1 if check(fresh, pos) or faults else 0


def main(argv):
    if len(argv) >= 4 and argv[1] == "template":
        template(argv[2], argv[3], argv[4:])
        return 0
    if len(argv) >= 3 and argv[1] == "merge":
        merge(argv[2], argv[3:])
        return 0
    if len(argv) == 4 and argv[1] == "json":
        to_json(argv[2], argv[3])
        return 0
    if len(argv) >= 4 and argv[1] == "check":
        return check(argv[2], argv[3:])
    if len(argv) >= 6 and argv[1] == "verify" and "--" in argv:
        split = argv.index("--")
        return verify(argv[2], argv[3], argv[4], argv[5:split], argv[split + 1:])
    if len(argv) == 4 and argv[1] == "pseudo":
        pseudo(argv[2], argv[3])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
