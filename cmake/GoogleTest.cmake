# GoogleTest is built from the Debian source package for the native and the Windows build alike.
set(KV_GOOGLETEST_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree")
if(NOT EXISTS "${KV_GOOGLETEST_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${KV_GOOGLETEST_DIR} (apt-get install googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${KV_GOOGLETEST_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# Every gtest program writes an XML report next to it, so that ./test can count cases.
function(kv_add_gtest target)
  add_test(NAME ${target}
           COMMAND ${target} --gtest_output=xml:reports/${target}.xml
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
