# Start-up of the demo host on the sample installation, as the program itself.
orvane_add_bench(host ${CMAKE_CURRENT_LIST_DIR}/host_bench.cpp)
target_link_libraries(bench_host PRIVATE Qt6::Core)
target_compile_definitions(bench_host PRIVATE ORVANE_HOST_PROGRAM="$<TARGET_FILE:orvane-host>")
add_dependencies(bench_host orvane-host)
