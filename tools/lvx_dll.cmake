# lvx_dll(NAME DEF file.def SOURCES ... LIBS ...)
# A DLL with undecorated __stdcall exports, and the import library its
# callers link against (made from the same .def by dlltool, since ld's own
# import library lacks the decorated names).
#
# file.def is the one export list, written with the i686 decorations
# (Name@N, N the bytes of the arguments). x86_64 has one calling convention
# and no decorations: its copy of the list is the same with the @N removed.
set(LVX_OUT ${CMAKE_BINARY_DIR}/bin)
set(LVX_IMPLIB ${CMAKE_BINARY_DIR}/implib)
file(MAKE_DIRECTORY ${LVX_OUT} ${LVX_IMPLIB})

function(lvx_dll nom)
  cmake_parse_arguments(A "" "DEF" "SOURCES;LIBS" ${ARGN})
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${A_DEF})
    file(READ ${A_DEF} liste)
    string(REGEX REPLACE "@[0-9]+" "" liste "${liste}")
    set(A_DEF ${CMAKE_CURRENT_BINARY_DIR}/${nom}.def)
    file(GENERATE OUTPUT ${A_DEF} CONTENT "${liste}")
  endif()
  add_library(${nom} SHARED ${A_SOURCES} ${A_DEF})
  set_target_properties(${nom} PROPERTIES PREFIX "" OUTPUT_NAME ${nom}
    RUNTIME_OUTPUT_DIRECTORY ${LVX_OUT})
  target_link_options(${nom} PRIVATE -Wl,--kill-at)
  target_link_libraries(${nom} PRIVATE ${A_LIBS})
  set(implib ${LVX_IMPLIB}/lib${nom}.a)
  add_custom_command(OUTPUT ${implib}
    COMMAND ${LVX_DLLTOOL} --kill-at --input-def ${A_DEF} --dllname ${nom}.dll --output-lib ${implib}
    DEPENDS ${A_DEF} VERBATIM)
  add_custom_target(${nom}_implib DEPENDS ${implib})
  add_library(${nom}_imp INTERFACE)
  add_dependencies(${nom}_imp ${nom}_implib ${nom})
  target_link_libraries(${nom}_imp INTERFACE ${implib})
endfunction()
