# What ships is the tested build stripped of its debug information and symbols: GCC makes the
# same code with and without -g, so the shipped images are byte for byte the code the tests
# ran, without a second optimised build of everything. Each configuration puts its shipped
# images in ${CMAKE_BINARY_DIR}/release; the release configuration collects them from there.
set(SINDHIKIT_SHIP_DIR ${CMAKE_BINARY_DIR}/release)

# sindhikit_ship(TARGET): a stripped copy of TARGET's file in SINDHIKIT_SHIP_DIR, remade with it.
function(sindhikit_ship target)
  if(NOT CMAKE_STRIP)
    message(FATAL_ERROR "no strip program for this toolchain: the shipped images cannot be made")
  endif()
  set(shipped ${SINDHIKIT_SHIP_DIR}/$<TARGET_FILE_NAME:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SINDHIKIT_SHIP_DIR}
    COMMAND ${CMAKE_STRIP} --strip-all -o ${shipped} $<TARGET_FILE:${target}>
    COMMENT "Shipped image: ${target} stripped"
    VERBATIM)
endfunction()
