# Runs qvas-demo offscreen: a screenshot of history mode with the system
# popup open must be written, and one with the system connections dialog;
# the grouped table must export as CSV; a broken configuration must stop the demo
# with a message naming the file and the problem.
function(run_demo)
  execute_process(COMMAND ${DEMO} --project ${PROJECT} ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(rc "${rc}" PARENT_SCOPE)
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE ${WORK_DIR}/shot.png)
run_demo(--popup systems --screenshot ${WORK_DIR}/shot.png)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/shot.png)
  message(FATAL_ERROR "demo screenshot failed (${rc}): ${err}")
endif()
if(NOT out MATCHES "table: [1-9][0-9]* top groups, [1-9][0-9]* of [1-9][0-9]* alarms shown")
  message(FATAL_ERROR "demo did not show a grouped live table: ${out}")
endif()
if(NOT out MATCHES "filter: text ALERT_TEXT@0: W\\*'Pump \\* failure'")
  message(FATAL_ERROR "demo did not print the restored filter: ${out}")
endif()

run_demo(--run-query --delay 10 --screenshot ${WORK_DIR}/query.png)
if(NOT out MATCHES "apply: mode 2, range Last 1 hours, systems \\[Lab,Plant0,Plant1,Plant2\\]")
  message(FATAL_ERROR "demo did not apply the archive source: ${out}")
endif()

# The connection map opens the "System Connections" dialog; the grouped
# table is written as CSV with its group lines.
file(REMOVE ${WORK_DIR}/systems.png ${WORK_DIR}/alarms.csv)
run_demo(--systems-dialog --disconnect Lab --system-down Plant2 --delay 300 --screenshot ${WORK_DIR}/systems.png)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK_DIR}/systems.png)
  message(FATAL_ERROR "demo with the system connections dialog failed (${rc}): ${err}")
endif()
run_demo(--grouping system-priority --delay 10 --export-csv ${WORK_DIR}/alarms.csv)
file(READ ${WORK_DIR}/alarms.csv csv)
if(NOT rc EQUAL 0 OR NOT csv MATCHES "^Group,Group,Time,System,Prio,[^\n]*\nLab \\([0-9]+\\)\n,[0-9]+ \\([0-9]+\\)\n,,[^\n]+,Lab,")
  message(FATAL_ERROR "demo did not export the grouped table (${rc}): ${out} ${err}")
endif()

file(WRITE ${WORK_DIR}/bad.json "{\"log\": {\"threshold\": \"high\"}}")
run_demo(--config ${WORK_DIR}/bad.json --screenshot ${WORK_DIR}/never.png)
if(rc EQUAL 0 OR NOT err MATCHES "bad.json: key 'log.threshold' must be a whole number from 0 to 3")
  message(FATAL_ERROR "a bad configuration was not refused (${rc}): ${err}")
endif()
if(EXISTS ${WORK_DIR}/never.png)
  message(FATAL_ERROR "the demo ran with a bad configuration")
endif()
