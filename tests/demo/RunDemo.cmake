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

# Each run starts from the default layout, whatever an earlier run kept.
if(DEFINED ENV{XDG_CONFIG_HOME})
  file(REMOVE_RECURSE $ENV{XDG_CONFIG_HOME}/qvas)
endif()
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

# A default start warns of nothing; the broken colour lines, asked for, are errors.
if(NOT out MATCHES "log: [0-9]+ messages, worst severity [01]\n")
  message(FATAL_ERROR "the default start logged warnings: ${out}")
endif()
run_demo(--broken-colours --log-history --delay 10 --screenshot ${WORK_DIR}/log.png)
if(NOT out MATCHES "log: [0-9]+ messages, worst severity 3\n")
  message(FATAL_ERROR "the broken colour lines were not logged as errors: ${out}")
endif()

# The layout is kept across runs, and forgotten when asked.
run_demo(--grouping none --keep-layout --delay 10 --screenshot ${WORK_DIR}/kept.png)
run_demo(--delay 10 --screenshot ${WORK_DIR}/restored.png)
if(NOT out MATCHES "table: 0 top groups")
  message(FATAL_ERROR "the grouping of the last run was not restored: ${out}")
endif()
run_demo(--reset-layout --delay 10 --screenshot ${WORK_DIR}/reset.png)
if(NOT out MATCHES "table: [1-9][0-9]* top groups")
  message(FATAL_ERROR "--reset-layout did not forget the kept grouping: ${out}")
endif()

# Tab walks the panel in screen order, the filter set tab as one group (with
# the tab bar of the plug-in's filter pages), down to the table.
run_demo(--tab-walk 25 --delay 300 --screenshot ${WORK_DIR}/tab.png)
if(NOT out MATCHES "tab walk: [^\n]*qt_tabwidget_tabbar > radioButtonInclude > radioButtonExclude > (qt_tabwidget_tabbar > )?text_DPE > [^\n]*btnAdd[^\n]* > quickFilter > [^\n]*alarmTable")
  message(FATAL_ERROR "Tab did not walk the panel in screen order: ${out}")
endif()

run_demo(--run-query --delay 10 --screenshot ${WORK_DIR}/query.png)
if(NOT out MATCHES "apply: mode 2, range [0-9.]+ [0-9:]+ - [0-9.]+ [0-9:]+, systems \\[Lab,Plant0,Plant1,Plant2\\]")
  message(FATAL_ERROR "demo did not apply the archive source: ${out}")
endif()

# The configured panel comes from the sample plug-in; its quick filter filters the table.
run_demo(--quick Pump --grouping none --delay 10 --screenshot ${WORK_DIR}/quick.png)
if(NOT out MATCHES "quick filter: 'Pump' mode 1" OR NOT out MATCHES "table: 0 top groups, ([1-9][0-9]*) of ([1-9][0-9]*) alarms shown")
  message(FATAL_ERROR "the plug-in panel's quick filter did not filter the table: ${out} ${err}")
endif()
if(CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
  message(FATAL_ERROR "the quick filter hid no alarm: ${out}")
endif()
# The page's fixed toggles are part of every set, switched off.
set(off "\\[fixed ACK_STATE@0: unacknowledged off\\] \\[fixed group DIRECTION@0: came off, went off\\] ")
# A pattern list typed into the datapoint editor of the plug-in's page filters the table.
run_demo(--pattern "*Pump*,*Valve*" --grouping none --delay 700 --screenshot ${WORK_DIR}/pattern.png)
if(NOT out MATCHES "apply: mode 1, filter {include ${off}\\[pattern DPE@0: \\*Pump\\*,\\*Valve\\*\\]"
   OR NOT out MATCHES "table: 0 top groups, ([1-9][0-9]*) of ([1-9][0-9]*) alarms shown"
   OR CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2)
  message(FATAL_ERROR "the datapoint pattern list did not filter the table: ${out} ${err}")
endif()
# A counter applies its filter: only that system's alarms are shown.
run_demo(--counter Lab --grouping system --delay 10 --screenshot ${WORK_DIR}/counter.png)
if(NOT out MATCHES "apply: mode 1, filter {include \\[text SYSTEM@0: Ex'Lab'\\]}" OR NOT out MATCHES "table: 1 top groups")
  message(FATAL_ERROR "the Lab counter did not filter the table: ${out} ${err}")
endif()
# A right press on an alarm: the demo's script library answers with a menu.
run_demo(--alarm-menu --delay 400 --screenshot ${WORK_DIR}/menu.png)
if(NOT out MATCHES "alarm menu: [^\n]+ \\| - \\| Acknowledge \\| Show details \\| Filter by system [A-Za-z0-9]+ \\| More")
  message(FATAL_ERROR "no script-described alarm menu: ${out} ${err}")
endif()
run_demo(--panel none --delay 10 --screenshot ${WORK_DIR}/nopanel.png)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the demo without panel failed (${rc}): ${err}")
endif()

# The default filter of the configuration is shown and applied at start; a
# stored filter replaces it; broken filter files are refused with the reason.
run_demo(--load-filter ${PROJECT}/filters/pumps-not-lab.json --delay 10 --screenshot ${WORK_DIR}/loaded.png)
if(NOT out MATCHES "apply: mode 1, filter {include ${off}\\[text PRIORITY@0: RE'\\[6-9\\]\\\\d'\\]}"
   OR NOT out MATCHES "apply: mode 1, filter {include ${off}\\[text ALERT_TEXT@0: W\\*'Pump \\*' \\| W\\*'Compressor\\*'\\]} {exclude ${off}\\[text DPE@0: W\\*'Lab:\\*'\\]}")
  message(FATAL_ERROR "the default and the stored filter were not applied: ${out}")
endif()
# A stored filter of every column kind of the plug-in's second page, loaded
# after another one: each widget takes its filter, and what the page gives
# back filters the table.
run_demo(--load-filter ${PROJECT}/filters/pumps-not-lab.json --load-filter ${PROJECT}/filters/columns.json
         --delay 10 --screenshot ${WORK_DIR}/columns.png)
if(NOT out MATCHES "apply: mode 1, filter {include \\[numbers PRIORITY@0: >29\\] \\[numbers PRIORITY@0: 20-90 !55\\] \\[date TIME@0: after 2020-01-01T00:00:00\\] \\[value SYSTEM@0: 'Plant1'\\] \\[fixed ACK_STATE@0: unacknowledged on\\] \\[fixed group DIRECTION@0: came on, went off\\]}"
   OR NOT out MATCHES "table: 1 top groups, [1-9][0-9]* of")
  message(FATAL_ERROR "the column filter was not shown and applied after the first: ${out}")
endif()
file(WRITE ${WORK_DIR}/notjson.json "{\"sets\": [")
file(WRITE ${WORK_DIR}/unknown.json "{\"sets\": [{\"filters\": [{\"property\": \"NOPE\", \"rules\": []}]}]}")
run_demo(--load-filter ${WORK_DIR}/notjson.json --delay 10 --screenshot ${WORK_DIR}/notjson.png)
if(NOT rc EQUAL 0 OR NOT err MATCHES "filter not loaded: [^\n]*notjson.json: not JSON")
  message(FATAL_ERROR "a filter file that is not JSON was not refused (${rc}): ${err}")
endif()
run_demo(--load-filter ${WORK_DIR}/unknown.json --delay 10 --screenshot ${WORK_DIR}/unknown.png)
if(NOT err MATCHES "unknown.json: key 'sets\\[0\\].filters\\[0\\].property' must be the name of an alarm property \\(unknown: 'NOPE'\\)")
  message(FATAL_ERROR "a filter of an unknown property was not refused: ${err}")
endif()
# Not a file: refused at once, not read until the memory is full.
run_demo(--load-filter /dev/zero --delay 10 --screenshot ${WORK_DIR}/zero.png)
if(NOT rc EQUAL 0 OR NOT err MATCHES "filter not loaded: /dev/zero: not a regular file")
  message(FATAL_ERROR "/dev/zero was not refused as a filter file (${rc}): ${err}")
endif()
# An empty export name would open a file dialog, which offscreen never closes.
run_demo(--export-csv=)
if(NOT rc EQUAL 1 OR NOT err MATCHES "--export-csv needs a file name")
  message(FATAL_ERROR "an empty export name was not refused (${rc}): ${err}")
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
