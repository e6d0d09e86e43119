# System DLLs the program needs for only some of what it does (starting
# programs, the notification icon, drag and drop, COM on a worker) are
# imported so that each is loaded at the first call into it, not at start-up:
# loading shell32 and ole32 and what they pull in costs a start several
# megabytes and tens of milliseconds.
#
# kv_delay_import(<target> <dll>...): links <target> so that the DLLs are
# delay-loaded. With MinGW the delay-import library is made by dlltool from
# every function the toolchain's import library names, so no call can slip
# back into an ordinary import; delayimp resolves them.
function(kv_delay_import target)
  if(MSVC)
    target_link_libraries(${target} INTERFACE delayimp)
    foreach(dll IN LISTS ARGN)
      target_link_libraries(${target} PUBLIC ${dll})
      target_link_options(${target} INTERFACE /DELAYLOAD:${dll}.dll)
    endforeach()
    return()
  endif()
  find_program(KV_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
  find_program(KV_NM NAMES x86_64-w64-mingw32-nm nm REQUIRED)
  foreach(dll IN LISTS ARGN)
    find_library(KV_IMPORT_${dll} NAMES ${dll} REQUIRED)
    execute_process(COMMAND ${KV_NM} ${KV_IMPORT_${dll}} OUTPUT_VARIABLE symbols
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "__imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(REMOVE_DUPLICATES imports)
    list(TRANSFORM imports REPLACE "^__imp_" "")
    list(JOIN imports "\n" exports)
    set(def ${CMAKE_BINARY_DIR}/delayimports/${dll}.def)
    set(library ${CMAKE_BINARY_DIR}/delayimports/lib${dll}_delay.a)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    add_custom_command(OUTPUT ${library}
                       COMMAND ${KV_DLLTOOL} --input-def ${def} --output-delaylib ${library}
                       DEPENDS ${def} COMMENT "Delay-import library of ${dll}.dll")
    add_custom_target(kv_delay_${dll} DEPENDS ${library})
    add_dependencies(${target} kv_delay_${dll})
    target_link_libraries(${target} PUBLIC ${library})
  endforeach()
  target_link_libraries(${target} PUBLIC delayimp)
endfunction()
