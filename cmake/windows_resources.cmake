# The Windows module file carries the module's bitmaps and waves as Win32 resources, compiled
# from the resource script `Varek_Instr.rc` that the native build writes, when it makes the
# resources, from the lists of the programs that made them (see cmake/resources.cmake). The
# script names the files where the native build made them, so a cross build is given that
# build's directory; `make gau` builds the native resources first.

set(VAREK_NATIVE_BUILD_DIR "" CACHE PATH
  "The native build whose generated bitmaps and waves the Windows module file carries")

function(varek_windows_resources target)
  if(NOT VAREK_NATIVE_BUILD_DIR)
    message(FATAL_ERROR "VAREK_NATIVE_BUILD_DIR is not set: the Windows module file carries "
      "the resources a native build generates (the win32 preset names build/linux)")
  endif()
  set(script ${VAREK_NATIVE_BUILD_DIR}/resources/Varek_Instr.rc)
  if(NOT EXISTS ${script})
    message(FATAL_ERROR "${script} is missing: build the native preset's resources first "
      "(cmake --preset linux && cmake --build --preset linux --target varek_resources, or "
      "make gau, which does both)")
  endif()
  # A new list reconfigures this build; a changed file recompiles the script.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script})
  file(STRINGS ${script} lines REGEX "^[^/].*\"")
  set(files "")
  foreach(line IN LISTS lines)
    if(line MATCHES "\"([^\"]+)\"")
      list(APPEND files ${CMAKE_MATCH_1})
    endif()
  endforeach()
  target_sources(${target} PRIVATE ${script})
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
