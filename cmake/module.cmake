# The gauge module. Its sources are compiled once into an object library; the Linux build
# links them with the generated resource directory into Varek_Instr.so for the bench, and
# without it into a static library that tests and the art generator link to reach the module's
# own records and state. On Linux the module calls the platform library as on Windows it calls
# kernel32, user32, winmm and dsound.

file(GLOB_RECURSE VAREK_MODULE_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/frame/*.cpp
  ${PROJECT_SOURCE_DIR}/sound/*.cpp
  ${PROJECT_SOURCE_DIR}/panels/*.cpp
  ${PROJECT_SOURCE_DIR}/gauges/*.cpp)

add_library(varek_module_objects OBJECT ${VAREK_MODULE_SOURCES})
target_include_directories(varek_module_objects PUBLIC ${PROJECT_SOURCE_DIR})
set_target_properties(varek_module_objects PROPERTIES
  POSITION_INDEPENDENT_CODE ON
  CXX_VISIBILITY_PRESET hidden
  VISIBILITY_INLINES_HIDDEN ON)
target_compile_options(varek_module_objects PRIVATE -fno-exceptions -fno-rtti)

if(NOT WIN32)
  # Exports Linkage, ImportTable and ResourceDirectory only; -Bsymbolic binds the module's own
  # references to its own records even when the loading program has symbols of the same names.
  add_library(Varek_Instr SHARED $<TARGET_OBJECTS:varek_module_objects>
                                 $<TARGET_OBJECTS:varek_resources>)
  set_target_properties(Varek_Instr PROPERTIES PREFIX "" OUTPUT_NAME Varek_Instr)
  target_link_libraries(Varek_Instr PRIVATE varek_platform)
  target_link_options(Varek_Instr PRIVATE -Wl,-Bsymbolic)
  # Under clang's sanitizers a shared library leaves the runtime's symbols to the program.
  if(NOT VAREK_FUZZ)
    target_link_options(Varek_Instr PRIVATE -Wl,--no-undefined)
  endif()
  add_dependencies(Varek_Instr varek_resources)

  add_library(varek_module STATIC $<TARGET_OBJECTS:varek_module_objects>)
  target_include_directories(varek_module PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(varek_module PUBLIC varek_platform)
else()
  # The simulator's module file: a DLL that needs no DLL beyond the system's, with its bitmaps
  # and waves as Win32 resources. Linking it proves that every platform call of the module is a
  # real Win32 call.
  include(${PROJECT_SOURCE_DIR}/cmake/windows_resources.cmake)
  add_library(Varek_Instr SHARED $<TARGET_OBJECTS:varek_module_objects>)
  set_target_properties(Varek_Instr PROPERTIES PREFIX "" OUTPUT_NAME Varek_Instr SUFFIX ".gau")
  target_link_libraries(Varek_Instr PRIVATE winmm dsound)
  target_link_options(Varek_Instr PRIVATE -static-libgcc -static-libstdc++)
  varek_windows_resources(Varek_Instr)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in
                 ${PROJECT_BINARY_DIR}/resources/version.rc @ONLY)
  target_sources(Varek_Instr PRIVATE ${PROJECT_BINARY_DIR}/resources/version.rc)
  # Two builds of one commit give the same file, wherever their trees lie: no link time stamp
  # in the headers, and no build path in the code.
  target_link_options(Varek_Instr PRIVATE -Wl,--no-insert-timestamp)
  target_compile_options(varek_module_objects PRIVATE
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # The host hands a gauge the module's handle in the gauge callback's 32-bit extra word, so
    # the 64-bit build (which only the smoke host loads, under Wine) stays below 4 GB.
    target_link_options(Varek_Instr PRIVATE -Wl,--image-base,0x10000000
      -Wl,--disable-dynamicbase -Wl,--disable-high-entropy-va)
  endif()
endif()
