# Shared helpers for our targets and tests.

# Test names carry the world they run in, so the one ctest summary over all builds is unambiguous.
if(DEFINED SINDHIKIT_TEST_PREFIX)
  # set by the configuration (e.g. the sanitizer build)
elseif(CMAKE_CROSSCOMPILING)
  set(SINDHIKIT_TEST_PREFIX "wine.")
else()
  set(SINDHIKIT_TEST_PREFIX "native.")
endif()

# Applies the project's warning flags to one of our own targets.
function(sindhikit_target target)
  target_compile_options(${target} PRIVATE ${SINDHIKIT_WARNINGS})
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# Small fixture files shared by the tests of several folders (testing/fixtures), as the test
# programs see them: under Wine the Unix root is drive Z:.
set(SINDHIKIT_FIXTURES_DIR ${PROJECT_SOURCE_DIR}/testing/fixtures)
if(CMAKE_CROSSCOMPILING)
  set(SINDHIKIT_FIXTURES_DIR_SEEN "Z:${SINDHIKIT_FIXTURES_DIR}")
else()
  set(SINDHIKIT_FIXTURES_DIR_SEEN "${SINDHIKIT_FIXTURES_DIR}")
endif()

# A GoogleTest executable. Native builds run it directly; the Windows x86_64 build runs it
# under wine64 through the cross-compiling emulator. The i686 build only compiles and links it.
# Usage: sindhikit_gtest(NAME SOURCES... LIBS lib...)
function(sindhikit_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  sindhikit_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} sindhikit_gtest_main)
  # FixtureFile("apple-store.tsv") and the like (testing/fixtures/FixtureFiles.h).
  target_include_directories(${name} PRIVATE ${SINDHIKIT_FIXTURES_DIR})
  target_compile_definitions(${name} PRIVATE "SINDHIKIT_FIXTURES_DIR=\"${SINDHIKIT_FIXTURES_DIR_SEEN}\"")
  if(SINDHIKIT_RUN_TESTS)
    add_test(NAME ${SINDHIKIT_TEST_PREFIX}${name} COMMAND ${name} --gtest_color=no)
    if(T_LABELS)
      set_tests_properties(${SINDHIKIT_TEST_PREFIX}${name} PROPERTIES LABELS "${T_LABELS}")
    endif()
  endif()
endfunction()
