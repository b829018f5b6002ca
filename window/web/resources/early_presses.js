// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// Runs as soon as the window is in the page, before the program, which the browser starts
// once it has read the whole page. It puts the focus in the question box. Until the program
// takes the window over, the window is busy for assistive technology, and a press of ASK (a
// click, Enter or Space) is noted: the program answers it, once, when it is ready, with the
// question as it was pressed, which is kept from changing meanwhile. A browser that runs no
// module scripts would never start the program: it shows the line that says what Zefra needs.
var zefraEarlyPress = {
  pressed: false,
  note: function () {
    zefraEarlyPress.pressed = true;
    document.querySelector('.zefra-form textarea').readOnly = true;
  },
};
// The focus comes into the question box once the first frame is drawn, unless the user has put
// it elsewhere: given while the page is still being read, Firefox may tell a screen reader of
// the box before the box has its name, and the reader then never says it.
requestAnimationFrame(function () {
  setTimeout(function () {
    if (document.activeElement === document.body) {
      document.querySelector('.zefra-form textarea').focus({ preventScroll: true });
    }
  });
});
if ('noModule' in HTMLScriptElement.prototype) {
  document.querySelector('.zefra-form').setAttribute('aria-busy', 'true');
  document.querySelector('.zefra-form button').addEventListener('click', zefraEarlyPress.note);
} else {
  var zefraNeeds = document.querySelector('noscript');
  var zefraLine = document.createElement('p');
  zefraLine.className = 'zefra-needs';
  zefraLine.textContent = zefraNeeds.textContent;
  zefraNeeds.parentNode.insertBefore(zefraLine, zefraNeeds.nextSibling);
}
