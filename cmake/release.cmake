# The release, in two parts.
#
# `cmake --install` (component bench) puts gauge-bench under a prefix with what it needs: the
# Linux module file and the platform library in lib/varek_instr/, the aircraft's Panel folder in
# share/varek_instr/panel/, where gauge-bench looks when no panel is named
# (bench/cli/default_panel.h). The live panel's page is inside the program, and every path
# between these files is relative, so the installation works with the build and source trees
# gone.
#
# The pilot's zip (`make dist`) is this tree's CPack package of the component pilot, which a
# plain installation leaves out: the Windows module file that the win32 preset builds, the Panel
# folder, the read-me written from README.md and the module's catalog (art/pilot_readme.cpp), the
# licence and the changelog.

set_target_properties(gauge-bench PROPERTIES INSTALL_RPATH "$ORIGIN/../lib/varek_instr")
set_target_properties(Varek_Instr varek_platform PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS gauge-bench RUNTIME DESTINATION bin COMPONENT bench)
install(TARGETS Varek_Instr varek_platform LIBRARY DESTINATION lib/varek_instr COMPONENT bench)
install(DIRECTORY ${PROJECT_BINARY_DIR}/panel/ DESTINATION share/varek_instr/panel
        COMPONENT bench FILES_MATCHING PATTERN panel.cfg PATTERN *.bmp)

set(VAREK_WINDOWS_MODULE_FILE ${PROJECT_SOURCE_DIR}/build/win32/Varek_Instr.gau CACHE FILEPATH
    "The Windows module file that the pilot's zip carries (make gau builds it)")
set(VAREK_PILOT_README ${PROJECT_BINARY_DIR}/Varek_Instr.txt)
add_custom_command(
  OUTPUT ${VAREK_PILOT_README}
  COMMAND varek_pilot_readme ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_VERSION}
          ${VAREK_PILOT_README}
  DEPENDS varek_pilot_readme ${PROJECT_SOURCE_DIR}/README.md
  COMMENT "Writing the pilot's read-me from the README and the module's catalog"
  VERBATIM)
add_custom_target(varek_pilot_readme_text ALL DEPENDS ${VAREK_PILOT_README})

install(FILES ${VAREK_WINDOWS_MODULE_FILE} DESTINATION Gauges COMPONENT pilot EXCLUDE_FROM_ALL)
install(DIRECTORY ${PROJECT_BINARY_DIR}/panel/ DESTINATION Panel COMPONENT pilot EXCLUDE_FROM_ALL
        FILES_MATCHING PATTERN panel.cfg PATTERN *.bmp)
install(FILES ${VAREK_PILOT_README} ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
        DESTINATION . COMPONENT pilot EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR ${VAREK_AUTHORS})
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};pilot;/")
include(CPack)

# The zip, made and copied to dist/ in the source tree; the Windows module file must be built
# first (make dist does both).
set(VAREK_ZIP ${PROJECT_NAME}-${PROJECT_VERSION}.zip)
add_custom_target(varek_dist
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${PROJECT_BINARY_DIR}/CPackConfig.cmake
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/dist
  COMMAND ${CMAKE_COMMAND} -E copy ${CPACK_PACKAGE_DIRECTORY}/${VAREK_ZIP}
          ${PROJECT_SOURCE_DIR}/dist/${VAREK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E echo "Wrote dist/${VAREK_ZIP}"
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  VERBATIM)
add_dependencies(varek_dist varek_panel varek_pilot_readme_text)
