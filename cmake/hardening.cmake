# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Hardening that every build gets, whoever configures it; a packager's own flags add to it.
include(CheckCXXCompilerFlag)

if(WIN32)
    # Address randomisation (with the relocations it needs kept), no execution of data, no
    # time stamp in the file (so that builds are reproducible), and terminal-server aware.
    target_link_options(zefra_project_options INTERFACE
        -Wl,--dynamicbase -Wl,--nxcompat -Wl,--tsaware -Wl,--no-insert-timestamp
        $<$<EQUAL:${CMAKE_SIZEOF_VOID_P},8>:-Wl,--high-entropy-va>)
    return()
endif()
if(EMSCRIPTEN)
    return()  # WebAssembly has no native stack or relocations to protect
endif()

# Position-independent executables come from the top-level CMakeLists.txt.
target_compile_options(zefra_project_options INTERFACE -fstack-protector-strong)
# Fortified functions need the optimiser; a packager's own definition gives way to this one.
target_compile_options(zefra_project_options INTERFACE
    $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>)
# Control-flow protection: Intel's on x86, and on 64-bit ARM the processor's own branch
# protection (branch targets marked, return addresses signed), which clang would take and ignore
# elsewhere.
set(zefra_hardening_flags -fstack-clash-protection -fcf-protection)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    list(APPEND zefra_hardening_flags -mbranch-protection=standard)
endif()
foreach(flag ${zefra_hardening_flags})
    string(MAKE_C_IDENTIFIER "zefra_has${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
        target_compile_options(zefra_project_options INTERFACE ${flag})
    endif()
endforeach()
target_link_options(zefra_project_options INTERFACE -Wl,-z,relro -Wl,-z,now)
