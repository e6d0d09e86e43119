# One warning policy for every target of the project (not for third-party code).
add_library(kv_warnings INTERFACE)
if(MSVC)
  target_compile_options(kv_warnings INTERFACE /W4 /permissive-)
  if(KV_WERROR)
    target_compile_options(kv_warnings INTERFACE /WX)
  endif()
else()
  target_compile_options(kv_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                               -Wno-sign-conversion)
  if(KV_WERROR)
    target_compile_options(kv_warnings INTERFACE -Werror)
  endif()
endif()
