# lvx_dll(NAME DEF file.def SOURCES ... LIBS ...)
# A deliverable DLL with undecorated __stdcall exports, and the import
# library its callers link against (made from the same .def by dlltool,
# since ld's own import library lacks the decorated names).
set(LVX_OUT ${CMAKE_BINARY_DIR}/bin)
set(LVX_IMPLIB ${CMAKE_BINARY_DIR}/implib)
file(MAKE_DIRECTORY ${LVX_OUT} ${LVX_IMPLIB})

function(lvx_dll nom)
  cmake_parse_arguments(A "" "DEF" "SOURCES;LIBS" ${ARGN})
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
