# The material databases of the sample installation's station catalogues. The repository keeps
# only their readable sources; the build makes the databases with "orvane catalog build" into
# <build>/catalogs, which the demo host finds beside itself and the station commands take as
# --databases (see corekitex/mmd_loader.h). The tool loads the library of its catalog commands
# at run time, so the library is a dependency of its own.
set(sample_catalogs ${PROJECT_SOURCE_DIR}/data/sample-installation/Catalogs)
set(sample_databases ${CMAKE_BINARY_DIR}/catalogs)
set(sample_outputs)
foreach(source Auenhof/AUENHOF_WOST Quellwerk/QUELLWERK_WOST)
  get_filename_component(folder ${source} DIRECTORY)
  get_filename_component(name ${source} NAME)
  # The main source includes the others of its folder.
  file(GLOB parts CONFIGURE_DEPENDS ${sample_catalogs}/${folder}/*.orvsrc)
  set(database ${sample_databases}/${name}.omdb)
  add_custom_command(OUTPUT ${database}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${sample_databases}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:orvane> catalog build ${sample_catalogs}/${source}.orvsrc -o ${database}
    DEPENDS orvane orvane_cmd_catalog ${parts}
    COMMENT "Building the catalogue database ${name}.omdb"
    VERBATIM)
  list(APPEND sample_outputs ${database})
endforeach()
add_custom_target(sample_catalogs ALL DEPENDS ${sample_outputs})
# The command-line tests check the sample catalogues through the tool.
target_compile_definitions(orvane_cli INTERFACE ORVANE_SAMPLE_DATABASES="${sample_databases}")
