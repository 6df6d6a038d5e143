orvane_command_group(NAME slide PAINTS)
target_link_libraries(orvane_cli_slide PUBLIC orvane_slides Qt6::Gui Qt6::Svg)
