#include "window/qt/program_icon.h"

namespace zefra::qt {

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/zefra-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace zefra::qt
