# Fails when a file outside src/platform/win32 and src/app (and bench/windows,
# whose programs are Windows programs of their own) includes <windows.h>
# (or another Windows SDK header that pulls it in).
file(GLOB_RECURSE candidates
  "${ROOT}/src/*.h" "${ROOT}/src/*.hpp" "${ROOT}/src/*.cpp"
  "${ROOT}/bench/*.h" "${ROOT}/bench/*.cpp" "${ROOT}/fuzz/*.h" "${ROOT}/fuzz/*.cpp")
set(offenders "")
foreach(file IN LISTS candidates)
  # bench/windows holds Windows programs of their own: the bare window the
  # start-up benchmark measures against, and the launcher that times both.
  if(file MATCHES "/src/platform/win32/" OR file MATCHES "/src/app/" OR
     file MATCHES "/bench/windows/")
    continue()
  endif()
  file(STRINGS "${file}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](windows|winuser|wingdi|winreg|shellapi|commctrl|objbase|ole2)\\.h[>\"]")
  if(hits)
    file(RELATIVE_PATH relative "${ROOT}" "${file}")
    list(APPEND offenders "${relative}: ${hits}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " report)
  message(FATAL_ERROR "Windows headers outside src/platform/win32 and src/app:\n  ${report}")
endif()
message(STATUS "seam rule holds over ${ROOT}")
