# Keeps the translation sources in step with the texts of the code.
#
#   cmake -DMODE=update -DLUPDATE=<lupdate> -DSOURCE_DIR=<project> -P Translations.cmake
#       rewrites each .ts file from the texts its folders hold now (new texts
#       come in unfinished, texts gone are dropped);
#   cmake -DMODE=check -DLUPDATE=<lupdate> -DSOURCE_DIR=<project> -DWORK_DIR=<dir> -P Translations.cmake
#       fails when updating would change a .ts file (a text without its entry,
#       or an entry for a text that is gone) or when an entry is unfinished.

# Each .ts file and the folders whose texts it holds.
set(catalogues
  "translations/qvas_de.ts=src"
  "translations/qvas-demo_de.ts=demo"
  "plugins/sample/translations/qvas-sample_de.ts=plugins/sample")

function(run_lupdate folder ts)
  execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -extensions cpp,h,ui
                          ${SOURCE_DIR}/${folder} -ts ${ts}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed for ${ts}:\n${out}${err}")
  endif()
endfunction()

set(problems)
foreach(catalogue IN LISTS catalogues)
  string(REPLACE "=" ";" parts ${catalogue})
  list(GET parts 0 ts)
  list(GET parts 1 folder)
  if(MODE STREQUAL "update")
    run_lupdate(${folder} ${SOURCE_DIR}/${ts})
    message(STATUS "updated ${ts}")
    continue()
  endif()
  get_filename_component(name ${ts} NAME)
  file(MAKE_DIRECTORY ${WORK_DIR})
  configure_file(${SOURCE_DIR}/${ts} ${WORK_DIR}/${name} COPYONLY)
  run_lupdate(${folder} ${WORK_DIR}/${name})
  file(READ ${SOURCE_DIR}/${ts} committed)
  file(READ ${WORK_DIR}/${name} current)
  if(NOT committed STREQUAL current)
    list(APPEND problems "${ts} is not current: run `cmake --build build --target translations` and translate the new entries")
  endif()
  string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${committed}")
  list(LENGTH unfinished unfinished_count)
  if(unfinished_count GREATER 0)
    list(APPEND problems "${ts} has ${unfinished_count} unfinished entries")
  endif()
  string(REGEX MATCHALL "<message" messages "${committed}")
  list(LENGTH messages message_count)
  message(STATUS "${ts}: ${message_count} entries")
endforeach()
if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "${text}")
endif()
