# Installs the build into a fresh prefix, builds examples/minimal-host against the installed
# package and runs it off-screen; then runs the installed host's tour, which must find the
# sample installation and the catalogue databases beside itself.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P install_example_test.cmake
function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status}):\n${out}\n${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(part bin/orvane bin/orvane-host lib/libOrvanePlanungUI.so lib/libOrvMatCore.so lib/libOrvMat.so
        include/OrvanePlanungUI/hydraulics/dlg_hydraulics.h include/OrvanePlanungUI/corekit/node.h
        share/OrvanePlanungUI/sample-installation/installation.inf
        share/OrvanePlanungUI/catalogs/AUENHOF_WOST.omdb)
  if(NOT EXISTS ${prefix}/${part})
    message(FATAL_ERROR "the installation lacks ${part}")
  endif()
endforeach()

find_program(ccache ccache)
set(launcher)
if(ccache)
  set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${ccache})
endif()
run("configuring the example" ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/minimal-host -B ${WORK_DIR}/build
    -G Ninja -DCMAKE_PREFIX_PATH=${prefix} ${launcher}
    "-DCMAKE_CXX_FLAGS=${EXAMPLE_CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${EXAMPLE_LINKER_FLAGS}")
run("building the example" ${CMAKE_COMMAND} --build ${WORK_DIR}/build)
set(environment QT_QPA_PLATFORM=offscreen ORVANE_SETTINGS_FILE=${WORK_DIR}/settings.ini ORVANE_LANGUAGE=de)
run("running the example" ${CMAKE_COMMAND} -E env ${environment} ${WORK_DIR}/build/minimal-host --auto)
if(NOT output MATCHES "symbols window: created" OR NOT output MATCHES "HydData" OR NOT output MATCHES "eHydMode")
  message(FATAL_ERROR "the example made no symbols window or printed no HydData node:\n${output}")
endif()

# The installed tool opens the library of each command's group beside its bin/.
run("the installed tool" ${CMAKE_COMMAND} -E env ${environment} ${prefix}/bin/orvane tree print
    ${prefix}/share/OrvanePlanungUI/sample-installation/installation.inf)
run("the installed tool painting" ${CMAKE_COMMAND} -E env ${environment} ${prefix}/bin/orvane hydraulics
    render --type 2 -o ${WORK_DIR}/circuit.svg)

run("the installed host's tour" ${CMAKE_COMMAND} -E env ${environment} ${prefix}/bin/orvane-host
    --tour ${WORK_DIR}/tour)
file(REMOVE_RECURSE ${WORK_DIR})
