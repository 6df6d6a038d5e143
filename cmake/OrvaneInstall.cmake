# What `cmake --install` puts in place: the module with the platform libraries it needs, its
# headers, a CMake package (find_package(OrvanePlanungUI), target OrvanePlanungUI::OrvanePlanungUI),
# the two programs, the sample installation and the catalogue databases built from it.
#
#   <prefix>/lib/                      libOrvanePlanungUI.so and the platform libraries
#   <prefix>/lib/cmake/OrvanePlanungUI the package
#   <prefix>/include/OrvanePlanungUI/  headers, included as "frame/module_start.h", "corekit/node.h"
#   <prefix>/bin/                      orvane, orvane-host
#   <prefix>/share/OrvanePlanungUI/    sample-installation/ and catalogs/ (found beside the programs)
include(CMakePackageConfigHelpers)

set(package_dir lib/cmake/OrvanePlanungUI)
set(platform_libraries CoreKit CoreKitWidgets CoreKitEx NetCalc OrvMatCore OrvMat)
if(TARGET ShellUI)
  list(APPEND platform_libraries ShellUI)
endif()

install(TARGETS OrvanePlanungUI ${platform_libraries} EXPORT OrvanePlanungUITargets
  LIBRARY DESTINATION lib
  INCLUDES DESTINATION include/OrvanePlanungUI)
install(EXPORT OrvanePlanungUITargets NAMESPACE OrvanePlanungUI:: DESTINATION ${package_dir})
install(TARGETS orvane orvane-host RUNTIME DESTINATION bin)
# The commands of orvane, one library per group, which its launcher loads from ../lib.
get_property(command_libraries GLOBAL PROPERTY ORVANE_COMMAND_LIBRARIES)
install(TARGETS ${command_libraries} LIBRARY DESTINATION lib)

# The headers keep the layout they have in the source tree; the module's include one another
# and CoreKit's by these paths.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/module/ ${PROJECT_SOURCE_DIR}/platform/
  DESTINATION include/OrvanePlanungUI FILES_MATCHING PATTERN "*.h")

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OrvanePlanungUIConfig.cmake.in
  ${CMAKE_BINARY_DIR}/OrvanePlanungUIConfig.cmake INSTALL_DESTINATION ${package_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/OrvanePlanungUIConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/OrvanePlanungUIConfig.cmake ${CMAKE_BINARY_DIR}/OrvanePlanungUIConfigVersion.cmake
  DESTINATION ${package_dir})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/sample-installation DESTINATION share/OrvanePlanungUI)
install(DIRECTORY ${CMAKE_BINARY_DIR}/catalogs/ DESTINATION share/OrvanePlanungUI/catalogs)
