# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# The build's own fixed date, for everything that would otherwise take the time it was built:
# the time of the last commit, or, without git, the one that git archive wrote into
# packaging/source-date-epoch, or else the day of the release.
set(ZEFRA_SOURCE_DATE_EPOCH 1796688000)  # 2026-12-08, the day of 1.0
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/source-date-epoch kept REGEX "^[0-9]+$")
if(kept)
    set(ZEFRA_SOURCE_DATE_EPOCH ${kept})
endif()
find_package(Git QUIET)
if(Git_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE committed OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND committed MATCHES "^[0-9]+$")
        set(ZEFRA_SOURCE_DATE_EPOCH ${committed})
    endif()
endif()
