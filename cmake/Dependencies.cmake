# Third-party libraries: GoogleTest and Google Benchmark from Debian's packages for the native
# build, GoogleTest from Debian's /usr/src/googletest for the MinGW builds; SQLite on every
# target compiled from Debian's own source package (see scripts/fetch-sqlite.sh).

if(CMAKE_CROSSCOMPILING)
  # Windows tests run only where the emulator can execute them (x86_64 under wine64).
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(SINDHIKIT_RUN_TESTS ON)
  else()
    set(SINDHIKIT_RUN_TESTS OFF)
  endif()

  set(SINDHIKIT_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix the tests run in")
  configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
  set(SINDHIKIT_WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SINDHIKIT_WINE_RUN})

  # Everything static: the programs and the DLL run on a bare Windows without MinGW runtimes.
  add_link_options(-static -static-libgcc -static-libstdc++)

  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/third_party/googletest EXCLUDE_FROM_ALL)

else()
  set(SINDHIKIT_RUN_TESTS ON)
  find_package(GTest REQUIRED)
  find_package(benchmark QUIET)
endif()

# One SQLite on every target, compiled from the same amalgamation with options for opening
# files that anyone may have written (a word store is untrusted input), so Linux and Windows
# behave alike. The system's libsqlite3 stays out of the kit: Debian's enables FTS3 with its
# two-argument fts3_tokenizer(), URI file names, extension loading and memory-mapped I/O.
set(SINDHIKIT_SQLITE_SOURCE "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
if(NOT EXISTS "${SINDHIKIT_SQLITE_SOURCE}/sqlite3.c")
  message(FATAL_ERROR "SINDHIKIT_SQLITE_SOURCE must name the folder with sqlite3.c (scripts/fetch-sqlite.sh makes it)")
endif()
add_library(sqlite3_amalgamation STATIC ${SINDHIKIT_SQLITE_SOURCE}/sqlite3.c)
target_include_directories(sqlite3_amalgamation SYSTEM PUBLIC ${SINDHIKIT_SQLITE_SOURCE})
target_compile_definitions(sqlite3_amalgamation PRIVATE
  SQLITE_THREADSAFE=1
  # No run-time code from outside: no extension loading; no FTS3/FTS5, R*Tree or JSON (none
  # is enabled unless asked for; JSON is omitted explicitly).
  SQLITE_OMIT_LOAD_EXTENSION
  SQLITE_OMIT_JSON
  # A file name is a file name: never a URI ("file:q.db?mode=memory").
  SQLITE_USE_URI=0
  # Never map an untrusted file into memory: one truncated under the map would end the
  # process with SIGBUS instead of an error.
  SQLITE_MAX_MMAP_SIZE=0
  # Functions in a store's schema (views, indexes, defaults) are limited to harmless ones.
  SQLITE_TRUSTED_SCHEMA=0
  SQLITE_OMIT_SHARED_CACHE
  SQLITE_OMIT_DEPRECATED
  SQLITE_DQS=0
  SQLITE_LIKE_DOESNT_MATCH_BLOBS
  # The heap limit of the guarded store connection counts SQLite's memory.
  SQLITE_DEFAULT_MEMSTATUS=1)
target_compile_options(sqlite3_amalgamation PRIVATE -O2 -w)
if(NOT WIN32)
  # What SQLite's configure script finds on Linux: without HAVE_PREAD a page is read with
  # lseek and read, two system calls instead of one.
  target_compile_definitions(sqlite3_amalgamation PRIVATE
    HAVE_PREAD=1 HAVE_PWRITE=1 HAVE_FDATASYNC=1 HAVE_USLEEP=1 HAVE_LOCALTIME_R=1 HAVE_ISNAN=1)
  find_package(Threads REQUIRED)
  target_link_libraries(sqlite3_amalgamation PUBLIC Threads::Threads m)
endif()
add_library(SQLite::SQLite3 ALIAS sqlite3_amalgamation)

add_library(sindhikit_gtest_main INTERFACE)
target_link_libraries(sindhikit_gtest_main INTERFACE GTest::gtest_main GTest::gtest)
