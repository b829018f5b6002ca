// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The page's functions in JavaScript that the web front end calls.

#pragma once

// The page's side of the web front end, written in JavaScript (resources/page_library.js):
// what C++ asks of the document and its dialog. Texts cross as UTF-16 code units with their
// length, exactly as the page holds them; ids as C strings.

extern "C" {

// Takes over the window that the page's markup shows: its question box and ask button, by
// their ids. False where the page lacks them.
bool zefra_page_adopt(const char* questionBoxId, const char* askButtonId);

// The question box's text. Each reports a failure of the page: a length of -1, or false.
int zefra_question_length();
bool zefra_question_copy(char16_t* into, int length);
bool zefra_question_set(const char16_t* text, int textLength);

// A modal dialog with the text and one OK button; returns once it has been dismissed, true,
// or at once, false, when the page could not show it.
bool zefra_show_message(const char16_t* title, int titleLength, const char16_t* text,
                        int textLength);
// The last word of a program that has failed, in a dialog with the title: the page takes no
// input after it.
void zefra_show_fatal_failure(const char16_t* title, int titleLength, const char* what,
                              int whatLength);
}
