# The sanitizer build (the sanitize preset): every target, GoogleTest's among
# them, with the address sanitizer, and the code under test (src/, and the
# program that proves a report fails) with the undefined-behaviour sanitizer
# too, through KV_UBSAN: in the tests' own code it would check the tests
# rather than the program, at two fifths of their compile time. Any report
# ends the program with a failure, so a test run cannot pass over one; leaks
# are reported when a program exits.
if(KV_SANITIZERS)
  if(WIN32 OR MSVC)
    message(FATAL_ERROR "KV_SANITIZERS is for the native g++ or clang build: cmake --preset sanitize")
  endif()
  add_compile_options(-fsanitize=address -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  set(KV_UBSAN -fsanitize=undefined)
  # The preset builds at -O1, several times faster to test than -O0; there
  # g++'s flow warning misreads the instrumented library code (std::regex),
  # and an uninitialised read is the sanitizers' and the native build's to find.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-maybe-uninitialized)
  endif()
endif()

# The thread-sanitizer build (the tsan preset): the remapping tests alone,
# the only ones whose program runs threads side by side. Any report ends the
# program with a failure.
if(KV_TSAN)
  if(WIN32 OR MSVC OR KV_SANITIZERS)
    message(FATAL_ERROR "KV_TSAN is for the native g++ or clang build alone: cmake --preset tsan")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
