// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// A size saving of the Windows build: the standard library's default terminate handler, given by
// the program itself. The guarded run installs its own handler as the program starts, so this
// one only stands in for it before then; what it saves is the library's handler, which would
// bring its name demangler into the self-contained executable, the largest single part of it,
// for text that no one reads.
//
// It must be linked as an object file of the program, not from a static library: the linker
// looks for the handler only once it has taken the library's terminate code, after the
// program's own archives.
#include "platform/guarded_run.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    zefra::ReportUnhandledFailure();
}

}  // namespace __gnu_cxx
