// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

#include "window/qt/font_substitutions.h"

#include <QFont>
#include <QStringList>

namespace zefra::qt {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        QStringList{QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

}  // namespace zefra::qt
