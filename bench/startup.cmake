# Start-up of the orvane tool against the smallest Qt Core program, both run as child processes.
add_executable(bare_core_hello ${CMAKE_CURRENT_LIST_DIR}/bare_core_hello.cpp)
target_link_libraries(bare_core_hello PRIVATE Qt6::Core)
# Runs a program and reports its CPU time, wall time and peak memory (see child_process.h).
add_executable(child_cost ${CMAKE_CURRENT_LIST_DIR}/child_cost.cpp)
orvane_add_bench(startup ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
target_link_libraries(bench_startup PRIVATE Qt6::Core)
add_dependencies(bench_startup orvane bare_core_hello)
target_compile_definitions(bench_startup PRIVATE ORVANE_TOOL="$<TARGET_FILE:orvane>"
                                                 ORVANE_BARE_CORE="$<TARGET_FILE:bare_core_hello>")
