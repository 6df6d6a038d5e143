# orvane tree: the node tree of CoreKit.
orvane_command_group(NAME tree)
