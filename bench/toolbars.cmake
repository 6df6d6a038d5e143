orvane_add_bench(toolbars ${CMAKE_CURRENT_LIST_DIR}/toolbars_bench.cpp)
target_link_libraries(bench_toolbars PRIVATE orvane_symbolui_ui Qt6::Widgets)
