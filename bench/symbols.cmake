orvane_add_bench(symbols ${CMAKE_CURRENT_LIST_DIR}/symbols_bench.cpp)
target_link_libraries(bench_symbols PRIVATE orvane_symbols)
