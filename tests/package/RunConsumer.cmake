# Installs the built project into a scratch prefix, then configures, builds
# and runs a small outside project that finds it with find_package.
set(prefix ${WORK_DIR}/prefix)
set(consumer_build ${WORK_DIR}/consumer-build)
file(REMOVE_RECURSE ${prefix} ${consumer_build})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}\n${out}\n${err}")
  endif()
  set(last_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${QVAS_BUILD_DIR} --prefix ${prefix})
run(${CMAKE_COMMAND} -S ${CONSUMER_SOURCE_DIR} -B ${consumer_build} -DCMAKE_PREFIX_PATH=${prefix}
    -DSAMPLE_PLUGIN_DIR=${SAMPLE_PLUGIN_DIR}
    "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}"
    "-DCMAKE_MODULE_LINKER_FLAGS=${CONSUMER_FLAGS}")
run(${CMAKE_COMMAND} --build ${consumer_build})
set(ENV{LD_LIBRARY_PATH} "${prefix}/lib:${prefix}/lib64:$ENV{LD_LIBRARY_PATH}")
run(${consumer_build}/qvas-consumer)
if(NOT last_output MATCHES "consumer: text ALERT_TEXT@0: Ex'Valve'"
   OR NOT last_output MATCHES "consumer panel: samplePanel page for DPE,ALERT_TEXT,PRIORITY")
  message(FATAL_ERROR "unexpected consumer output: ${last_output}")
endif()
message(STATUS "${last_output}")
