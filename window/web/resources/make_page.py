# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
"""Makes one self-contained page: the page template with the window's first frame (its head
lines, markup and style, made from the window's description), the style sheets, the scripts and
the tab's icon written into it, the program's WebAssembly inlined as base64 where the scripts
mark its place, a Content-Security-Policy that allows exactly those and nothing from anywhere
else, and the notices of the runtime parts compiled in, in a comment at its end. The program's
scripts run as one module, which the browser runs once it has read the whole page; the early
script runs as soon as the window is in the page, and keeps what the user does before the
program is ready. With --web-app HEAD,
the page is the web app's index.html: HEAD's links (its manifest and icons) go into its head,
and the policy also allows the manifest, the service worker and icons from the page's own
origin.
    make_page.py --first-frame HEAD BODY STYLE --early SCRIPT [--web-app HEAD]
                 TEMPLATE STYLE ICON.png NOTICES WASM OUT SCRIPT..."""

import argparse
import base64
import hashlib
import sys


WASM_MARKER = "@WASM_BASE64@"


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--first-frame", nargs=3, metavar=("HEAD", "BODY", "STYLE"), required=True)
    parser.add_argument("--early", metavar="SCRIPT", required=True)
    parser.add_argument("--web-app", metavar="HEAD")
    for name in ("template", "style", "icon", "notices", "wasm", "out"):
        parser.add_argument(name)
    parser.add_argument("scripts", nargs="+")
    args = parser.parse_args()
    out = args.out

    frame_head, window, frame_style = (read(path).strip() for path in args.first_frame)
    style = read(args.style) + frame_style
    early = read(args.early)
    script = "\n".join(read(path) for path in args.scripts)
    if script.count(WASM_MARKER) != 1:
        sys.exit(f"{out}: the scripts must mark the WebAssembly's place once, as {WASM_MARKER}")
    with open(args.wasm, "rb") as wasm:
        script = script.replace(WASM_MARKER, base64.b64encode(wasm.read()).decode("ascii"))
    for text in (style, early, script):
        if "</" in text.replace("<\\/", ""):
            sys.exit(f"{out}: an inlined part holds '</', which would end its element")
    with open(args.icon, "rb") as icon:
        icon_base64 = base64.b64encode(icon.read()).decode("ascii")

    # Images only as the inline icon; a served web app's own files from its own origin.
    own = " 'self'" if args.web_app else ""
    policy = [
        "default-src 'none'",
        f"script-src {digest(early)} {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        f"img-src data:{own}",
    ]
    if args.web_app:
        policy += ["manifest-src 'self'", "worker-src 'self'"]
    policy += ["base-uri 'none'", "form-action 'none'"]
    # The head's own lines, without its comments (its licence header).
    head = "".join("\n" + line for line in read(args.web_app).splitlines()
                   if line and not line.startswith("<!--")) if args.web_app else ""

    page = (read(args.template).replace("@POLICY@", "; ".join(policy))
            .replace("@FIRST_FRAME_HEAD@", frame_head).replace("@ICON_BASE64@", icon_base64)
            .replace("@WEB_APP_HEAD@", head).replace("@STYLE@", style)
            .replace("@WINDOW@", window).replace("@EARLY_SCRIPT@", early)
            .replace("@SCRIPT@", script))
    page += f"<!--\n{read(args.notices)}-->\n"
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
