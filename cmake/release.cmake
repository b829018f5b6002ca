# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# The release this is: the version is project()'s, and the Debian changelog's newest entry, which
# says when it was released, must be for that version. ZEFRA_RELEASE_DATE is that day, as
# YYYY-MM-DD, for the manual page.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "^zefra \\(([^)-]+)" _ "${changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The project's version is ${PROJECT_VERSION}, but the newest entry of "
                        "packaging/debian/changelog is for ${CMAKE_MATCH_1}: add one for "
                        "${PROJECT_VERSION}.")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog changelog_dates
     REGEX "^ -- .*  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9] ")
list(GET changelog_dates 0 newest_date)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " _ "${newest_date}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(ZEFRA_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
