// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's icon on Qt, from the pixels generated at build time.

#include "window/qt/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "window/qt/program_icon_pixels.h"

namespace zefra::qt {

QIcon ProgramIcon() {
    QIcon icon;
    for (const IconPixels& size : kProgramIconPixels) {
        const QImage image(reinterpret_cast<const uchar*>(size.pixels), size.width, size.height,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace zefra::qt
