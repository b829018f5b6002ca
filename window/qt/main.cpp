// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// The program's entry on Linux: the generator, the application and the window, guarded.

#include <QAccessible>
#include <QApplication>

#include "platform/guarded_run.h"
#include "platform/process_random_source.h"
#include "platform/report_fatal_failure.h"
#include "window/qt/fatal_failure_box.h"
#include "window/qt/font_substitutions.h"
#include "window/qt/form1.h"
#include "window/qt/form1_accessible.h"
#include "window/qt/layout_to_qt.h"
#include "window/qt/program_icon.h"

int main(int argc, char* argv[]) {
    // Guarded twice: the inner run reports a failure of the window while the application, which
    // shows the fatal box, is still there; the outer one whatever fails before or after it.
    return zefra::RunGuarded([argc, argv] {
        zefra::ProcessRandomSource source;

        // The program takes no command line, so Qt is not shown the arguments either (it would
        // act on some, such as -style or -reverse).
        int qtArgc = argc > 0 ? 1 : 0;
        QApplication app(qtArgc, argv);
        QApplication::setApplicationName(zefra::qt::ToQString(zefra::layout::kApplicationTitle));
        QApplication::setDesktopFileName(QStringLiteral(ZEFRA_APP_ID));
        QApplication::setWindowIcon(zefra::qt::ProgramIcon());
        zefra::qt::InstallFontSubstitutions();
        QAccessible::installFactory(&zefra::qt::AccessibleFactory);
        zefra::SetFatalFailurePresenter(&zefra::qt::ShowFatalFailureBox);

        return zefra::RunGuarded([&source] {
            zefra::qt::Form1 form1(source);
            form1.show();
            return QApplication::exec();
        });
    });
}
