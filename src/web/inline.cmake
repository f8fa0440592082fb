# SPDX-License-Identifier: MIT
# Makes the one-file page: the shell with the program's script (its WebAssembly inside) in place
# of @KORRU_SCRIPT@. Run as cmake -DSHELL=... -DSCRIPT=... -DOUT=... -P inline.cmake.
file(READ "${SHELL}" shell)
file(READ "${SCRIPT}" script)
# The script stands inside a <script> element, which the first "</script" would end.
string(FIND "${script}" "</script" end)
if(NOT end EQUAL -1)
  message(FATAL_ERROR "${SCRIPT} holds \"</script\" and cannot be put inside the page")
endif()
string(FIND "${shell}" "@KORRU_SCRIPT@" place)
if(place EQUAL -1)
  message(FATAL_ERROR "${SHELL} has no @KORRU_SCRIPT@")
endif()
string(REPLACE "@KORRU_SCRIPT@" "${script}" page "${shell}")
file(WRITE "${OUT}.part" "${page}")
file(RENAME "${OUT}.part" "${OUT}")
