// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// What the page gives the program before it starts. Its messages go to the console as errors,
// and its WebAssembly, inlined in this script, is compiled from there: left to itself, the
// runtime would first try to fetch it, which the page's security policy forbids.
var Module = {
  printErr: function (text) { console.error(text); },
  instantiateWasm: function (imports, receiveInstance) {
    WebAssembly.instantiate(tryParseAsDataURI(wasmBinaryFile), imports).then(function (output) {
      receiveInstance(output.instance);
    });
    return {};
  },
};
