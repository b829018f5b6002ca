// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The page's functions in JavaScript that the web front end calls.

#pragma once

// The page's side of the web front end, written in JavaScript (resources/page_library.js):
// what C++ asks of the document, its canvas and its dialog. Texts cross as UTF-16 code units
// with their length, exactly as the page holds them; names and CSS values as C strings.

extern "C" {

// The window's area, not yet on the page, and its caption as the document's title.
void zefra_page_create(int width, int height, const char16_t* caption, int captionLength,
                       const char* background);
// An input control at a box in CSS pixels: "textarea" or "button".
void zefra_page_add_control(const char* element, const char* name, int left, int top, int width,
                            int height, const char16_t* text, int textLength,
                            const char16_t* accessibleName, int accessibleNameLength,
                            const char* font, const char* background, const char* foreground);
// Text that the canvas paints, given to assistive technology at its box.
void zefra_page_add_painted_text(const char* name, int left, int top, int width, int height,
                                 const char16_t* text, int textLength);
// The window, built and painted, put on the page, with the focus in its first input control.
void zefra_page_show();

// The canvas, sized for the screen's pixels and filled with a colour; then what goes on it.
void zefra_canvas_begin(const char* background);
void zefra_canvas_circle(int left, int top, int diameter, const char* fill, const char* outline);
void zefra_canvas_text(int left, int top, int width, int height, const char16_t* text,
                       int textLength, const char* font, const char* colour);

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
