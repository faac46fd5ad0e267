"""Makes the page one file that opens from disk: the style sheet with its fonts, the script, the
core's script with its WebAssembly inside it (emscripten's SINGLE_FILE), the icon and every
language's catalogue (as window.HopscapeCatalogues, by code), all inside one .html.

    python3 OneFile.py PAGE_FOLDER CORE_IN_ONE_SCRIPT OUT.html
"""
import base64
import json
import os
import re
import sys

folder, core, out = sys.argv[1:4]


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def data(path, kind):
    with open(path, "rb") as f:
        return f"data:{kind};base64," + base64.b64encode(f.read()).decode("ascii")


def script(text):
    # Nothing inside may close the script element early.
    return "<script>" + text.replace("</", "<\\/") + "</script>"


style = re.sub(r'url\("(fonts/[^"]+\.woff2)"\)',
               lambda m: f'url("{data(os.path.join(folder, m.group(1)), "font/woff2")}")',
               read(os.path.join(folder, "hopscape.css")))
page = read(os.path.join(folder, "index.html"))
languages = json.loads(read(os.path.join(folder, "lang", "languages.json")))
catalogues = {code: read(os.path.join(folder, "lang", f"{code}.json")) for code in languages}
replacements = {
    '<link rel="stylesheet" href="hopscape.css">': "<style>" + style + "</style>",
    '<link rel="icon" href="icon.svg">':
        f'<link rel="icon" href="{data(os.path.join(folder, "icon.svg"), "image/svg+xml")}">',
    '<script src="hopscape.js"></script>':
        script("window.HopscapeCatalogues = " + json.dumps(catalogues, ensure_ascii=False) + ";") +
        script(read(os.path.join(folder, "hopscape.js"))),
    '<script src="hopscape-core.js"></script>': script(read(core)),
}
for old, new in replacements.items():
    if old not in page:
        sys.exit(f"OneFile.py: the page no longer holds {old}")
    page = page.replace(old, new)
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
