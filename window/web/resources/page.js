// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The page's own part of the program, first in its script: it takes over the window that the
// page's markup shows, passes presses of ASK to the program, and shows the
// dialogs. The page's functions that the program calls (page_library.js) work through it.
// Texts arrive as UTF-16 code units and leave as them, never through UTF-8.
var ZefraPage = {
  questionBox: null,
  askButton: null,
  form: null,
  pressing: false,

  text: function (pointer, length) {
    var text = '';
    var first = pointer >> 1;
    // In slices, so that a megabyte of text does not exceed the engine's argument limit.
    for (var i = 0; i < length; i += 8192) {
      var end = Math.min(length, i + 8192);
      text += String.fromCharCode.apply(null, HEAPU16.subarray(first + i, first + end));
    }
    return text;
  },

  // The window's question box and ask button, by their ids, as the markup has them: what the
  // user typed meanwhile stays, and a press of ASK that the early script noted is answered now,
  // once. False where the page lacks them.
  adopt: function (questionBoxId, askButtonId) {
    var questionBox = document.getElementById(questionBoxId);
    var askButton = document.getElementById(askButtonId);
    if (!questionBox || !askButton) return false;
    ZefraPage.questionBox = questionBox;
    ZefraPage.askButton = askButton;
    ZefraPage.form = document.querySelector('.zefra-form');
    askButton.removeEventListener('click', zefraEarlyPress.note);
    askButton.addEventListener('click', ZefraPage.press);
    // Where the program is ready before the engine has drawn its first frame, the focus comes
    // into the box now, as the early script would have put it there then.
    if (document.activeElement === document.body) questionBox.focus({ preventScroll: true });
    ZefraPage.form.setAttribute('aria-busy', 'false');
    // After the program's start has returned, which must not be entered again from inside. The
    // question a noted press asks stays as it was until the program has read it.
    if (zefraEarlyPress.pressed) {
      setTimeout(function () {
        ZefraPage.press();
        questionBox.readOnly = false;
      });
    }
    return true;
  },

  // The program ignores a press while it handles one, but its call is then suspended inside
  // the module (waiting for the dialog), and a second asynchronous call must not enter it:
  // the page keeps that one out itself.
  press: function () {
    if (ZefraPage.pressing) return;
    ZefraPage.pressing = true;
    new Promise(function (resolve) {
      resolve(Module['ccall']('zefra_press_ask', null, [], [], { async: true }));
    })
      .catch(function (end) {
        // A fatal failure has ended the program's life on the page; it said so already.
        if (!(end instanceof ExitStatus)) throw end;
      })
      .finally(function () { ZefraPage.pressing = false; });
  },

  // A modal dialog in the manner of a message box: its title, the text as text with its line
  // breaks, and one OK button with the focus. Nothing else on the page takes input meanwhile:
  // a screen-wide shield under the dialog takes the pointer, Tab stays on OK, and the focus
  // comes back to OK from wherever else on the page it goes. The dialog stands beside the
  // page's main part and leaves it in the accessibility tree, so that a screen reader sees the
  // focus move from the page into the dialog and announces it, its title and its text.
  // showModal(), or making the main part inert, would take the main part out of the tree with
  // the focus still in it: the reader then moves silently into the dialog and announces only
  // OK.
  dialog: function (title, message) {
    var shield = document.createElement('div');
    var dialog = document.createElement('dialog');
    var heading = document.createElement('h1');
    var body = document.createElement('div');
    var ok = document.createElement('button');
    shield.className = 'zefra-shield';
    // A press on the shield leaves the focus where it is.
    shield.addEventListener('mousedown', function (event) { event.preventDefault(); });
    heading.id = 'zefra-dialog-title';
    heading.textContent = title;
    body.id = 'zefra-dialog-text';
    body.className = 'zefra-message';
    body.textContent = message;
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', function () { dialog.close(); });
    dialog.setAttribute('role', 'alertdialog');
    dialog.setAttribute('aria-modal', 'true');
    dialog.setAttribute('aria-labelledby', heading.id);
    dialog.setAttribute('aria-describedby', body.id);
    dialog.addEventListener('keydown', function (event) {
      if (event.key === 'Escape') dialog.close();
      if (event.key === 'Tab') event.preventDefault();
    });
    function keepFocus(event) {
      if (!dialog.contains(event.target)) ok.focus();
    }
    document.addEventListener('focusin', keepFocus);
    dialog.addEventListener('close', function () {
      document.removeEventListener('focusin', keepFocus);
      shield.remove();
      dialog.remove();
    });
    dialog.append(heading, body, ok);
    document.body.append(shield, dialog);
    dialog.show();
    ok.focus();
    return dialog;
  },

  // The program's last word, in a dialog with the title: once it is dismissed, the window
  // takes no more input.
  stop: function (title, text) {
    var form = document.querySelector('.zefra-form');
    form.setAttribute('aria-busy', 'false');
    ZefraPage.dialog(title, text).addEventListener('close', function () { form.inert = true; });
  },

  // Where the program cannot start in this browser, the line the page shows where scripts do
  // not run, in the fatal-failure box.
  cannotStart: function () {
    if (ZefraPage.form) return;  // started: the program reports its own failures
    ZefraPage.stop(document.querySelector('meta[name="application-name"]').content,
                   document.querySelector('noscript').textContent);
  },
};
