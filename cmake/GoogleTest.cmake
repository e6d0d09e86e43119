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
# SHARDS n runs the program as n entries (<target>_1of<n>, ...), each with its
# share of the cases, so that CTest can keep both cores busy with a slow one.
function(kv_add_gtest target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "SHARDS" "")
  if(NOT arg_SHARDS OR arg_SHARDS EQUAL 1)
    add_test(NAME ${target}
             COMMAND ${target} --gtest_output=xml:reports/${target}.xml
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    return()
  endif()
  math(EXPR last "${arg_SHARDS} - 1")
  foreach(index RANGE ${last})
    math(EXPR number "${index} + 1")
    set(name ${target}_${number}of${arg_SHARDS})
    add_test(NAME ${name}
             COMMAND ${target} --gtest_output=xml:reports/${name}.xml
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES
                         ENVIRONMENT "GTEST_TOTAL_SHARDS=${arg_SHARDS};GTEST_SHARD_INDEX=${index}")
  endforeach()
endfunction()
