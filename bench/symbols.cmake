orvane_add_bench(symbols ${CMAKE_CURRENT_LIST_DIR}/symbols_bench.cpp)
target_link_libraries(bench_symbols PRIVATE orvane_symbols)
# The peak memory of the tool scanning the generated installation.
add_dependencies(bench_symbols orvane)
target_compile_definitions(bench_symbols PRIVATE ORVANE_TOOL="$<TARGET_FILE:orvane>")
