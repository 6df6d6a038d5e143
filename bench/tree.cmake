find_package(PkgConfig REQUIRED)
pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
orvane_add_bench(tree ${CMAKE_CURRENT_LIST_DIR}/tree_bench.cpp)
target_link_libraries(bench_tree PRIVATE CoreKit PkgConfig::PUGIXML)
