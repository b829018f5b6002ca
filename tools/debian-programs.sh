# SPDX-FileCopyrightText: 2026 Zefra developers
# SPDX-License-Identifier: MIT
# Sourced by the project's commands: Debian's programs come first on the search path, so that
# what install-deps.sh installed is what runs, whatever a machine image keeps in /usr/local.
export PATH=/usr/bin:/bin:/usr/sbin:/sbin:$PATH
