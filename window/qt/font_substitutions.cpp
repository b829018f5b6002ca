// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The free look-alikes Qt takes for the window's fonts where they are missing.

#include "window/qt/font_substitutions.h"

#include <QFont>
#include <QStringList>

#include "window/qt/layout_to_qt.h"

namespace zefra::qt {

void InstallFontSubstitutions() {
    for (const layout::FontLookAlikes& font : layout::kFontLookAlikes) {
        QStringList lookAlikes;
        for (const std::u16string_view lookAlike : font.lookAlikes) {
            lookAlikes.append(ToQString(lookAlike));
        }
        QFont::insertSubstitutions(ToQString(font.face), lookAlikes);
    }
}

}  // namespace zefra::qt
