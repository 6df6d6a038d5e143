target_link_libraries(orvane_cli PUBLIC OrvMat)
