orvane_add_bench(hydraulics ${CMAKE_CURRENT_LIST_DIR}/hydraulics_bench.cpp)
target_link_libraries(bench_hydraulics PRIVATE orvane_hydraulics Qt6::Gui)
