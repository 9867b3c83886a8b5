# Compiling IDL with widl, for the server's type library and the dispatch benchmark's.
#
#   sindhikit_widl(NAME IDL OUTPUT_DIR [TLB_POST_COMMAND command args...] [DEPENDS files...])
# makes OUTPUT_DIR/NAME.tlb (a type library for the build's bitness), NAME_h.h (the C++
# header) and NAME_i.c (the GUIDs). TLB_POST_COMMAND runs on the type library after widl wrote
# it; DEPENDS names what else the outputs are remade from.
if(NOT WIN32)
  return()
endif()

find_program(SINDHIKIT_WIDL_EXECUTABLE REQUIRED
  NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-widl ${SINDHIKIT_WIDL} widl)
find_path(SINDHIKIT_WIDL_INCLUDE_DIR oaidl.idl REQUIRED NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/include/wine/wine/windows /usr/include/wine/windows)
find_path(SINDHIKIT_STDOLE2_DIR stdole2.tlb REQUIRED NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/i386-linux-gnu/wine/i386-windows
        /usr/lib/wine/x86_64-windows /usr/lib/wine/i386-windows)

function(sindhikit_widl name idl output_dir)
  cmake_parse_arguments(W "" "" "TLB_POST_COMMAND;DEPENDS" ${ARGN})
  # The type library describes the build's own platform: 64-bit Office needs a win64 one.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(widl_target --win64)
  else()
    set(widl_target --win32)
  endif()
  set(widl ${SINDHIKIT_WIDL_EXECUTABLE} ${widl_target} -I${SINDHIKIT_WIDL_INCLUDE_DIR})
  set(post)
  if(W_TLB_POST_COMMAND)
    set(post COMMAND ${W_TLB_POST_COMMAND})
  endif()
  add_custom_command(
    OUTPUT ${output_dir}/${name}.tlb ${output_dir}/${name}_h.h ${output_dir}/${name}_i.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${widl} -L${SINDHIKIT_STDOLE2_DIR} -t -o ${output_dir}/${name}.tlb ${idl}
    ${post}
    COMMAND ${widl} -h -o ${output_dir}/${name}_h.h ${idl}
    COMMAND ${widl} -u -o ${output_dir}/${name}_i.c ${idl}
    DEPENDS ${idl} ${W_DEPENDS}
    COMMENT "widl: ${name} type library, header and GUIDs"
    VERBATIM)
endfunction()
