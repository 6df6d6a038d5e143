# The station check and catalogue loading, on a catalogue built in the run.
orvane_add_bench(stations ${CMAKE_CURRENT_LIST_DIR}/stations_bench.cpp)
target_link_libraries(bench_stations PRIVATE orvane_stations orvane_frame OrvMatCore SQLite::SQLite3)
# The station code loads the material database library (beside OrvMatCore) on first use.
add_dependencies(bench_stations OrvMat)
