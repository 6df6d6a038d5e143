find_package(PkgConfig REQUIRED)
pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
orvane_add_bench(tree ${CMAKE_CURRENT_LIST_DIR}/tree_bench.cpp)
target_link_libraries(bench_tree PRIVATE CoreKit PkgConfig::PUGIXML)
# The peak memory of the tool printing and converting a large tree.
add_dependencies(bench_tree orvane)
target_compile_definitions(bench_tree PRIVATE ORVANE_TOOL="$<TARGET_FILE:orvane>")
