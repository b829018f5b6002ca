// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The page's side of the web front end (its C declarations are in ../page.h): builds the
// window's elements from what the program passes, paints the canvas and shows the dialogs.
// Texts arrive as UTF-16 code units and leave as them, never through UTF-8.
mergeInto(LibraryManager.library, {
  $ZefraPage: {
    main: null,
    area: null,
    form: null,
    canvas: null,
    questionBox: null,
    askButton: null,
    firstControl: null,
    pressing: false,
    colourProbe: null,
    // The window's client size in CSS pixels, as the program gave it: read from here, not from
    // the layout, so that building and painting the window forces no layout before its paint.
    width: 0,
    height: 0,

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

    // A CSS colour as the page's current theme resolves it, for the canvas.
    colour: function (css) {
      if (!ZefraPage.colourProbe) {
        ZefraPage.colourProbe = document.createElement('span');
        ZefraPage.colourProbe.hidden = true;
        document.body.appendChild(ZefraPage.colourProbe);
      }
      ZefraPage.colourProbe.style.color = css;
      return getComputedStyle(ZefraPage.colourProbe).color;
    },

    context: function () {
      return ZefraPage.canvas.getContext('2d');
    },

    // The area keeps its size where it fits; on a narrower screen it shrinks as a whole.
    fit: function () {
      var width = ZefraPage.width;
      var height = ZefraPage.height;
      var scale = Math.min(1, document.documentElement.clientWidth / width);
      ZefraPage.form.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
      ZefraPage.area.style.width = width * scale + 'px';
      ZefraPage.area.style.height = height * scale + 'px';
    },

    repaint: function () {
      Module['_zefra_paint']();
    },

    // Paints again when the theme changes, or the screen's resolution (zoom included).
    watchForRepaints: function () {
      ['(prefers-color-scheme: dark)', '(forced-colors: active)', '(prefers-contrast: more)']
        .forEach(function (query) {
          matchMedia(query).addEventListener('change', ZefraPage.repaint);
        });
      (function watchResolution() {
        matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener(
          'change', function () { ZefraPage.repaint(); watchResolution(); }, { once: true });
      })();
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
  },

  zefra_page_create__deps: ['$ZefraPage'],
  zefra_page_create: function (width, height, caption, captionLength, background) {
    document.title = ZefraPage.text(caption, captionLength);
    // The window is the page's main part, and its caption the page's heading.
    var main = document.createElement('main');
    var heading = document.createElement('h1');
    heading.className = 'zefra-caption';
    heading.textContent = document.title;
    var area = document.createElement('div');
    var form = document.createElement('div');
    var canvas = document.createElement('canvas');
    area.id = 'zefra-area';
    form.id = 'Form1';
    ZefraPage.width = width;
    ZefraPage.height = height;
    form.style.width = width + 'px';
    form.style.height = height + 'px';
    form.style.background = UTF8ToString(background);
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    // What it shows is told by the elements over it.
    canvas.setAttribute('aria-hidden', 'true');
    form.appendChild(canvas);
    area.appendChild(form);
    main.append(heading, area);
    // Built and painted apart from the document, then shown whole: the engine then styles and
    // lays out the window once, not once for each step of building it.
    ZefraPage.main = main;
    ZefraPage.area = area;
    ZefraPage.form = form;
    ZefraPage.canvas = canvas;
  },

  zefra_page_show__deps: ['$ZefraPage'],
  zefra_page_show: function () {
    // Fitted while the document still holds only this script, which costs next to nothing.
    ZefraPage.fit();
    document.body.appendChild(ZefraPage.main);
    // The first input control, first in the tab order, takes the focus.
    ZefraPage.firstControl.focus({ preventScroll: true });
    window.addEventListener('resize', ZefraPage.fit);
    ZefraPage.watchForRepaints();
  },

  zefra_page_add_control__deps: ['$ZefraPage'],
  zefra_page_add_control: function (element, name, left, top, width, height, text, textLength,
                                    accessibleName, accessibleNameLength, font, background,
                                    foreground) {
    var control = document.createElement(UTF8ToString(element));
    var label = ZefraPage.text(accessibleName, accessibleNameLength);
    var content = ZefraPage.text(text, textLength);
    control.id = UTF8ToString(name);
    control.style.left = left + 'px';
    control.style.top = top + 'px';
    control.style.width = width + 'px';
    control.style.height = height + 'px';
    control.style.font = UTF8ToString(font);
    control.style.background = UTF8ToString(background);
    control.style.color = UTF8ToString(foreground);
    if (control.localName === 'textarea') {
      control.value = content;
      control.setAttribute('aria-label', label);
      ZefraPage.questionBox = control;
    } else {
      control.type = 'button';
      control.textContent = content;
      if (label !== content) control.setAttribute('aria-label', label);
      control.addEventListener('click', ZefraPage.press);
      ZefraPage.askButton = control;
    }
    ZefraPage.form.appendChild(control);
    ZefraPage.firstControl = ZefraPage.firstControl || control;
  },

  zefra_page_add_painted_text__deps: ['$ZefraPage'],
  zefra_page_add_painted_text: function (name, left, top, width, height, text, textLength) {
    var label = document.createElement('span');
    label.id = UTF8ToString(name);
    label.className = 'zefra-painted-text';
    label.style.left = left + 'px';
    label.style.top = top + 'px';
    label.style.width = width + 'px';
    label.style.height = height + 'px';
    label.textContent = ZefraPage.text(text, textLength);
    ZefraPage.form.appendChild(label);
  },

  zefra_canvas_begin__deps: ['$ZefraPage'],
  zefra_canvas_begin: function (background) {
    var canvas = ZefraPage.canvas;
    var ratio = window.devicePixelRatio || 1;
    var width = ZefraPage.width;
    var height = ZefraPage.height;
    // At the screen's own pixels, so that the ball is sharp on a 2x screen.
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    var context = ZefraPage.context();
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.fillStyle = ZefraPage.colour(UTF8ToString(background));
    context.fillRect(0, 0, width, height);
  },

  zefra_canvas_circle__deps: ['$ZefraPage'],
  zefra_canvas_circle: function (left, top, diameter, fill, outline) {
    var context = ZefraPage.context();
    var radius = diameter / 2;
    context.beginPath();
    // The one-pixel outline lies inside the circle's box.
    context.arc(left + radius, top + radius, radius - 0.5, 0, 2 * Math.PI);
    context.fillStyle = ZefraPage.colour(UTF8ToString(fill));
    context.fill();
    context.lineWidth = 1;
    context.strokeStyle = ZefraPage.colour(UTF8ToString(outline));
    context.stroke();
  },

  zefra_canvas_text__deps: ['$ZefraPage'],
  zefra_canvas_text: function (left, top, width, height, text, textLength, font, colour) {
    var context = ZefraPage.context();
    context.save();
    context.beginPath();
    context.rect(left, top, width, height);
    context.clip();
    context.font = UTF8ToString(font);
    context.fillStyle = ZefraPage.colour(UTF8ToString(colour));
    context.textBaseline = 'top';
    context.fillText(ZefraPage.text(text, textLength), left, top);
    context.restore();
  },

  // A failure of the page in these goes back to the program, which treats it as fatal.
  zefra_question_length__deps: ['$ZefraPage'],
  zefra_question_length: function () {
    try {
      return ZefraPage.questionBox.value.length;
    } catch (failure) {
      return -1;
    }
  },

  zefra_question_copy__deps: ['$ZefraPage'],
  zefra_question_copy: function (into, length) {
    try {
      var text = ZefraPage.questionBox.value;
      if (text.length !== length) return false;
      var first = into >> 1;
      for (var i = 0; i < length; i++) HEAPU16[first + i] = text.charCodeAt(i);
      return true;
    } catch (failure) {
      return false;
    }
  },

  zefra_question_set__deps: ['$ZefraPage'],
  zefra_question_set: function (text, textLength) {
    try {
      ZefraPage.questionBox.value = ZefraPage.text(text, textLength);
      return true;
    } catch (failure) {
      return false;
    }
  },

  zefra_show_message__deps: ['$ZefraPage', '$Asyncify'],
  zefra_show_message: function (title, titleLength, text, textLength) {
    return Asyncify.handleSleep(function (wakeUp) {
      var dialog;
      try {
        dialog = ZefraPage.dialog(ZefraPage.text(title, titleLength),
                                  ZefraPage.text(text, textLength));
      } catch (failure) {
        wakeUp(false);
        return;
      }
      // However it is dismissed, OK, Enter or Escape, the program goes on from here.
      dialog.addEventListener('close', function () {
        if (ZefraPage.askButton) ZefraPage.askButton.focus();
        wakeUp(true);
      }, { once: true });
    });
  },

  zefra_show_fatal_failure__deps: ['$ZefraPage'],
  zefra_show_fatal_failure: function (title, titleLength, what, whatLength) {
    var dialog = ZefraPage.dialog(ZefraPage.text(title, titleLength), 'Zefra has failed and ' +
                                  'stopped: ' + UTF8ToString(what, whatLength) +
                                  '\nReload the page to start it again.');
    // Once the box is dismissed, the window takes no more input.
    dialog.addEventListener('close', function () {
      if (ZefraPage.form) ZefraPage.form.inert = true;
    });
  },
});
