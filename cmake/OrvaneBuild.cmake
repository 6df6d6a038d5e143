# Small helpers that keep the room CMakeLists files short and alike.
include(${CMAKE_CURRENT_LIST_DIR}/OrvaneHeadless.cmake)

# Adds every listed sub folder; a room that is named but has no CMakeLists.txt is an error,
# so that a misspelt or missing room never drops out of the build unnoticed.
function(orvane_add_rooms)
  foreach(room IN LISTS ARGN)
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${room}/CMakeLists.txt)
      message(FATAL_ERROR "room ${CMAKE_CURRENT_SOURCE_DIR}/${room} is listed but has no CMakeLists.txt")
    endif()
    add_subdirectory(${room})
  endforeach()
endfunction()

# A platform library: shared, default visibility, headers found from the platform folder.
# WIDGETS marks a library with windows; every other one is headless (see OrvaneHeadless.cmake).
#   orvane_platform_library(NAME CoreKit SOURCES ... LIBS ... [WIDGETS])
function(orvane_platform_library)
  cmake_parse_arguments(ARG "WIDGETS" "NAME" "SOURCES;LIBS" ${ARGN})
  add_library(${ARG_NAME} SHARED ${ARG_SOURCES})
  target_include_directories(${ARG_NAME} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform>
                                                $<INSTALL_INTERFACE:include/OrvanePlanungUI>)
  target_link_libraries(${ARG_NAME} PUBLIC ${ARG_LIBS})
  if(NOT ARG_WIDGETS)
    orvane_headless(${ARG_NAME})
  endif()
endfunction()

# A room of the module. The headless part becomes the static library orvane_<room>
# (Qt Core/Gui only, tested without widgets); the widget part becomes orvane_<room>_ui.
# Both are linked whole into the module's shared library.
#   orvane_module_room(NAME symbols SOURCES ... LIBS ... UI_SOURCES ... UI_LIBS ...)
function(orvane_module_room)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS;UI_SOURCES;UI_LIBS" ${ARGN})
  set(core orvane_${ARG_NAME})
  add_library(${core} STATIC ${ARG_SOURCES})
  set_target_properties(${core} PROPERTIES POSITION_INDEPENDENT_CODE ON
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${core} PUBLIC ${PROJECT_SOURCE_DIR}/module ${PROJECT_SOURCE_DIR}/platform)
  target_compile_definitions(${core} PRIVATE ORVANE_BUILDING_MODULE)
  target_link_libraries(${core} PUBLIC ${ARG_LIBS})
  orvane_headless(${core})
  if(NOT ARG_UI_SOURCES)
    set_property(GLOBAL APPEND PROPERTY ORVANE_MODULE_ROOMS ${core})
  endif()
  if(ARG_UI_SOURCES)
    set(ui orvane_${ARG_NAME}_ui)
    add_library(${ui} STATIC ${ARG_UI_SOURCES})
    set_target_properties(${ui} PROPERTIES POSITION_INDEPENDENT_CODE ON
                          CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_compile_definitions(${ui} PRIVATE ORVANE_BUILDING_MODULE)
    # A test of the widgets links the _ui library only; the module takes both libraries whole
    # (module/CMakeLists.txt), so a plain link here lets a higher room use both parts of a lower
    # one (symbolui uses slides and slides_ui).
    target_link_libraries(${ui} PUBLIC ${core} Qt6::Widgets ${ARG_UI_LIBS})
    set_property(GLOBAL APPEND PROPERTY ORVANE_MODULE_ROOMS ${ui})
  endif()
endfunction()

# A GoogleTest program run by CTest. GUI makes it start a QApplication on the offscreen
# platform, otherwise a QCoreApplication is started. A program without GUI is headless unless
# WIDGETS says that a library it tests has windows of its own.
#   orvane_add_test(NAME corekit_tests SOURCES ... LIBS ... [GUI] [WIDGETS])
function(orvane_add_test)
  cmake_parse_arguments(ARG "GUI;WIDGETS" "NAME" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_GUI AND NOT ARG_WIDGETS)
    orvane_headless(${ARG_NAME})
  endif()
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${ARG_NAME} PRIVATE orvane_testsupport_gui)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE orvane_testsupport)
  endif()
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest)
  gtest_discover_tests(${ARG_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ORVANE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    DISCOVERY_TIMEOUT 60)
endfunction()
