# Installs the built project into a scratch prefix, then configures, builds
# and runs a small outside project that finds it with find_package, without
# LD_LIBRARY_PATH: the installed binaries find their libraries by run path.
# Then moves the prefix and runs an installed tool from the new place.
set(prefix ${WORK_DIR}/prefix)
set(moved_prefix ${WORK_DIR}/prefix-moved)
set(consumer_build ${WORK_DIR}/consumer-build)
file(REMOVE_RECURSE ${prefix} ${moved_prefix} ${consumer_build})
unset(ENV{LD_LIBRARY_PATH})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${QVAS_BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} --install ${QVAS_BUILD_DIR} --prefix ${prefix} --component demo)

# Each installed library keeps its versioned soname and finds the others
# through $ORIGIN.
find_program(READELF readelf REQUIRED)
file(GLOB libraries ${prefix}/lib*/lib*.so.*.*.*)
list(LENGTH libraries library_count)
if(NOT library_count EQUAL 3)
  message(FATAL_ERROR "expected the three libraries, found: ${libraries}")
endif()
foreach(library IN LISTS libraries)
  run(${READELF} -d ${library})
  if(NOT last_output MATCHES "soname: \\[lib[A-Za-z]+\\.so\\.[0-9]+\\].*RUNPATH[^\n]*\\[\\$ORIGIN\\]")
    message(FATAL_ERROR "${library}:\n${last_output}")
  endif()
endforeach()

# The Designer plug-in lies where Designer looks with QT_PLUGIN_PATH=<prefix>/lib/qt5/plugins
# and finds the libraries three folders up.
file(GLOB designer_plugin ${prefix}/lib*/qt5/plugins/designer/libqvasdesigner.so)
if(NOT designer_plugin)
  message(FATAL_ERROR "the Designer plug-in is not installed")
endif()
run(${READELF} -d ${designer_plugin})
if(NOT last_output MATCHES "RUNPATH[^\n]*\\[\\$ORIGIN/\\.\\./\\.\\./\\.\\.\\]")
  message(FATAL_ERROR "${designer_plugin}:\n${last_output}")
endif()

run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${consumer_build} -DCMAKE_PREFIX_PATH=${prefix}
    -DSAMPLE_PLUGIN_DIR=${SAMPLE_PLUGIN_DIR}
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_MODULE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${consumer_build})
run(${consumer_build}/qvas-consumer)
if(NOT last_output MATCHES "consumer: text ALERT_TEXT@0: Ex'Valve'"
   OR NOT last_output MATCHES "consumer panel: samplePanel page for DPE,ALERT_TEXT,PRIORITY")
  message(FATAL_ERROR "unexpected consumer output: ${last_output}")
endif()
message(STATUS "${last_output}")

# A prefix moved elsewhere still runs: the tool finds its libraries through
# $ORIGIN, not through the path it was installed under.
file(RENAME ${prefix} ${moved_prefix})
file(WRITE ${WORK_DIR}/colors/colorDB/one "\"Red\" N {255,0,0}\n")
run(${moved_prefix}/bin/qvas-colordb show Red ${WORK_DIR}/colors)
if(NOT last_output MATCHES "#ff0000")
  message(FATAL_ERROR "unexpected qvas-colordb output: ${last_output}")
endif()

# The installed demo runs from the moved prefix with the project, the
# sample panel plug-in installed beside it.
run(${moved_prefix}/bin/qvas-demo --screenshot ${WORK_DIR}/installed-demo.png --delay 200)
if(NOT last_output MATCHES "project: ${moved_prefix}/lib[^/]*/qvas/demo-project\n"
   OR NOT last_output MATCHES "table: [1-9][0-9]* top groups"
   OR NOT last_output MATCHES "worst severity [01]\n")
  message(FATAL_ERROR "unexpected output of the installed demo: ${last_output}")
endif()
