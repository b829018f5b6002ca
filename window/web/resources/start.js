// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// What the page gives the program before it starts. Its messages go to the console as errors.
// Its WebAssembly is written into this script as base64 (the page's maker puts it in place of
// the marker) and handed over decoded: given the module's bytes, the runtime compiles them
// where they are, and never tries to fetch a file, which the page's security policy forbids.
// Where the browser runs no WebAssembly, or cannot compile the program's, the page says what
// Zefra needs in the fatal-failure box, and the program does not start.
if (typeof WebAssembly !== 'object') {
  ZefraPage.cannotStart();
  throw new Error('Zefra cannot start: this browser runs no WebAssembly');
}
var Module = {
  printErr: function (text) { console.error(text); },
  onAbort: ZefraPage.cannotStart,
  wasmBinary: (function (base64) {
    // The engine's own decoder where it has one; byte by byte otherwise.
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
    var text = atob(base64);
    var bytes = new Uint8Array(text.length);
    for (var i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
  })('@WASM_BASE64@'),
};
