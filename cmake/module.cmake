# The gauge module. Its sources are compiled once into an object library; the Linux build
# links them into Varek_Instr.so for the bench, and into a static library that tests can link
# to reach the module's own state.

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
  # Exports Linkage and ImportTable only; -Bsymbolic binds the module's own references to its
  # own records even when the loading program has symbols of the same names.
  add_library(Varek_Instr SHARED $<TARGET_OBJECTS:varek_module_objects>)
  set_target_properties(Varek_Instr PROPERTIES PREFIX "" OUTPUT_NAME Varek_Instr)
  target_link_options(Varek_Instr PRIVATE -Wl,-Bsymbolic -Wl,--no-undefined)

  add_library(varek_module STATIC $<TARGET_OBJECTS:varek_module_objects>)
  target_include_directories(varek_module PUBLIC ${PROJECT_SOURCE_DIR})
endif()
