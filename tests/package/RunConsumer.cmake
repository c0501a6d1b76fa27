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

# Each installed library keeps its versioned soname and, like the tool,
# looks for the package's libraries relative to itself only.
function(expect_dynamic file pattern)
  run(${READELF} -d ${file})
  if(NOT last_output MATCHES "${pattern}")
    message(FATAL_ERROR "${file}: no ${pattern} in\n${last_output}")
  endif()
endfunction()
find_program(READELF readelf REQUIRED)
file(GLOB libraries ${prefix}/lib*/libQvAlarmScreen.so.* ${prefix}/lib*/libQvPlatform.so.*
  ${prefix}/lib*/libAlarmModelsQv.so.*)
list(LENGTH libraries library_count)
if(NOT library_count EQUAL 6)
  message(FATAL_ERROR "expected each library with its soname link, found: ${libraries}")
endif()
foreach(library IN LISTS libraries)
  expect_dynamic(${library} "soname: \\[lib[A-Za-z]+\\.so\\.[0-9]+\\]")
  expect_dynamic(${library} "R(UN)?PATH[^\n]*\\[\\$ORIGIN\\]")
endforeach()
expect_dynamic(${prefix}/bin/qvas-colordb "R(UN)?PATH[^\n]*\\[\\$ORIGIN/\\.\\./lib")

# The version file accepts requests up to the installed version of its
# major version and nothing of another major version.
file(GLOB version_file ${prefix}/lib*/cmake/QvAlarmScreen/QvAlarmScreenConfigVersion.cmake)
foreach(request_and_answer 0.1:TRUE 0.0.5:TRUE 1.0:FALSE 0.9:FALSE)
  string(REPLACE ":" ";" request_and_answer ${request_and_answer})
  list(GET request_and_answer 0 PACKAGE_FIND_VERSION)
  list(GET request_and_answer 1 answer)
  string(REPLACE "." ";" parts ${PACKAGE_FIND_VERSION})
  list(GET parts 0 PACKAGE_FIND_VERSION_MAJOR)
  set(PACKAGE_VERSION_COMPATIBLE)
  include(${version_file})
  if(NOT "${PACKAGE_VERSION_COMPATIBLE}" STREQUAL answer)
    message(FATAL_ERROR "version ${PACKAGE_VERSION} answers ${PACKAGE_VERSION_COMPATIBLE} to ${PACKAGE_FIND_VERSION}")
  endif()
endforeach()
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
