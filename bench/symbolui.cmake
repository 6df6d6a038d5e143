orvane_add_bench(symbolui ${CMAKE_CURRENT_LIST_DIR}/symbolui_bench.cpp)
target_link_libraries(bench_symbolui PRIVATE orvane_symbolui_ui)
