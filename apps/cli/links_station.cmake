# orvane station: the station logic, the material database library and its source builder.
target_sources(orvane_cli PRIVATE ${CMAKE_CURRENT_LIST_DIR}/station_catalog_folder.cpp)
target_link_libraries(orvane_cli PUBLIC orvane_stations orvane_frame OrvMat)
