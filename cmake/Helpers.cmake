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

# Marks tests that show windows (window tests); every such test is marked with it.
# Window tests share the test display and, above all, the Wine prefix's one wineserver:
# the foreground window and the list of top-level windows are the wineserver's, one for
# all processes of the prefix. Two window tests at once take the focus from each other and
# see each other's windows, on one X display or on two (measured), so window tests hold
# one resource lock and run one at a time; other tests still run beside them. They also
# require the GUI fixture, which sets the prefix up for windows (testing/CMakeLists.txt).
# Usage: sindhikit_window_test(<test name>...)   (ctest names, prefix included)
function(sindhikit_window_test)
  if(NOT SINDHIKIT_RUN_TESTS)
    return()
  endif()
  foreach(test IN LISTS ARGN)
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${SINDHIKIT_GUI_FIXTURE})
    set_property(TEST ${test} APPEND PROPERTY RESOURCE_LOCK sindhikit.desktop)
    set_property(TEST ${test} APPEND PROPERTY LABELS window)
  endforeach()
endfunction()
