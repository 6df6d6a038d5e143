# orvane station: the station logic over the catalogue manager. The station code loads the
# material database library on first use; the tool reads databases through OrvMatCore itself.
orvane_command_group(NAME station PAINTS)
target_link_libraries(orvane_cli_station PUBLIC orvane_stations orvane_frame CoreKitEx OrvMatCore)
add_dependencies(orvane_cli_station OrvMat)
include(${CMAKE_CURRENT_LIST_DIR}/sample_catalogs.cmake)
