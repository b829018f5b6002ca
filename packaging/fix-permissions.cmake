# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Run by CPack on its staging folder before it packs it: folders that an install under a strict
# umask made private become readable by all, as a package's folders must be.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER folders EXCLUDE REGEX "\\.tar\\.[a-z]+$")
foreach(folder IN ITEMS "${CPACK_TEMPORARY_DIRECTORY}" ${folders})
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
        file(CHMOD "${folder}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                           GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
