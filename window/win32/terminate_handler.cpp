// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT

// The standard library's default terminate handler, given by the program itself. A failure that
// reaches std::terminate (one thrown out of a noexcept function, say) goes where every other
// unhandled failure goes, to the fatal-failure box: a windowed program's standard error is seen
// by no one. The library's own handler would also bring its name demangler into the
// self-contained executable, the largest single part of it, for text that no one reads.
//
// It must be linked as an object file of the program, not from a static library: the linker
// looks for the handler only once it has taken the library's terminate code, after the
// program's own archives.
#include <exception>

#include "platform/report_fatal_failure.h"

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    if (const std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::exception& known) {
            zefra::ReportFatalFailure(known.what());
        } catch (...) {
        }
    }
    zefra::ReportFatalFailure("the program was ended by a failure that nothing handled");
}

}  // namespace __gnu_cxx
