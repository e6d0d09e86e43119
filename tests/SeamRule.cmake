# Fails when a file outside src/platform/win32 and src/app includes <windows.h>
# (or another Windows SDK header that pulls it in).
file(GLOB_RECURSE candidates
  "${ROOT}/src/*.h" "${ROOT}/src/*.hpp" "${ROOT}/src/*.cpp"
  "${ROOT}/bench/*.h" "${ROOT}/bench/*.cpp" "${ROOT}/fuzz/*.h" "${ROOT}/fuzz/*.cpp")
set(offenders "")
foreach(file IN LISTS candidates)
  if(file MATCHES "/src/platform/win32/" OR file MATCHES "/src/app/")
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
