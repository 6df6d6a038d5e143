orvane_add_bench(slides ${CMAKE_CURRENT_LIST_DIR}/slides_bench.cpp)
target_link_libraries(bench_slides PRIVATE orvane_slides_ui Qt6::Widgets)
