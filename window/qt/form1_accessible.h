// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// Accessibility on Qt: the window, its painted label and the message box.

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace zefra::qt {

// Makes the program's windows known to assistive technology: Form1 as a frame with its caption,
// whose children are its controls and the "8" it paints (a label that has no widget of its
// own), and the message box as an alert named by its title.
QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object);

}  // namespace zefra::qt
