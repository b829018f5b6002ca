// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The page's functions that the program calls (their C declarations are in ../page.h), over
// the page's own part, ZefraPage (page.js).
mergeInto(LibraryManager.library, {
  zefra_page_adopt: function (questionBoxId, askButtonId) {
    try {
      return ZefraPage.adopt(UTF8ToString(questionBoxId), UTF8ToString(askButtonId));
    } catch (failure) {
      return false;
    }
  },

  // A failure of the page in these goes back to the program, which treats it as fatal.
  zefra_question_length: function () {
    try {
      return ZefraPage.questionBox.value.length;
    } catch (failure) {
      return -1;
    }
  },

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

  zefra_question_set: function (text, textLength) {
    try {
      ZefraPage.questionBox.value = ZefraPage.text(text, textLength);
      return true;
    } catch (failure) {
      return false;
    }
  },

  zefra_show_message__deps: ['$Asyncify'],
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

  zefra_show_fatal_failure: function (title, titleLength, what, whatLength) {
    ZefraPage.stop(ZefraPage.text(title, titleLength), 'Zefra has failed and stopped: ' +
                   UTF8ToString(what, whatLength) + '\nReload the page to start it again.');
  },
});
