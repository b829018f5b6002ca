# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Makes the one self-contained Zefra.html: the page template with the style sheet and the
scripts written into it, the program's WebAssembly inlined as base64 where the scripts mark its
place, and a Content-Security-Policy that allows exactly those two and nothing from anywhere else.
    make_page.py TEMPLATE STYLE WASM OUT SCRIPT..."""

import base64
import hashlib
import sys


WASM_MARKER = "@WASM_BASE64@"


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def main():
    template, style_path, wasm_path, out, *script_paths = sys.argv[1:]
    style = open(style_path, encoding="utf-8").read()
    script = "\n".join(open(path, encoding="utf-8").read() for path in script_paths)
    if script.count(WASM_MARKER) != 1:
        sys.exit(f"{out}: the scripts must mark the WebAssembly's place once, as {WASM_MARKER}")
    with open(wasm_path, "rb") as wasm:
        script = script.replace(WASM_MARKER, base64.b64encode(wasm.read()).decode("ascii"))
    for text in (style, script):
        if "</" in text.replace("<\\/", ""):
            sys.exit(f"{out}: an inlined part holds '</', which would end its element")
    policy = "; ".join([
        "default-src 'none'",
        f"script-src {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = (open(template, encoding="utf-8").read().replace("@POLICY@", policy)
            .replace("@STYLE@", style).replace("@SCRIPT@", script))
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
