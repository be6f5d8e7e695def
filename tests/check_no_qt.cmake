# SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a file under game/ or settings/ includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/game/* ${ROOT}/settings/*)
set(offenders "")
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt)")
  if(lines)
    list(APPEND offenders "${f}: ${lines}")
  endif()
endforeach()
if(offenders)
  message(FATAL_ERROR "Qt headers in toolkit-free code:\n${offenders}")
endif()
message(STATUS "game/ and settings/ include no Qt header")
