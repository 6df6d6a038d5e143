# orvane station: the station logic over the catalogue manager; the material database library
# is linked for the tool's own use and shared with the lazy loader of the station code.
target_link_libraries(orvane_cli PUBLIC orvane_stations orvane_frame CoreKitEx OrvMat)
include(${CMAKE_CURRENT_LIST_DIR}/sample_catalogs.cmake)
