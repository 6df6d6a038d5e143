# The station check and catalogue loading, on a catalogue built in the run.
orvane_add_bench(stations ${CMAKE_CURRENT_LIST_DIR}/stations_bench.cpp)
target_link_libraries(bench_stations PRIVATE orvane_stations orvane_frame OrvMat SQLite::SQLite3)
# The station code reaches the material database library through the lazy loader.
target_compile_definitions(bench_stations PRIVATE ORVANE_BENCH_LIBRARY_DIR="$<TARGET_FILE_DIR:OrvMat>")
