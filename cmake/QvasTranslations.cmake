# qvas_add_translations(<target> TS <file.ts>...)
#
# Compiles each .ts file with lrelease and builds the .qm files into <target>
# as resources under ":/qvas/translations/", where Qvas::installTranslator()
# finds them by name and locale. A .ts named <name>_<lang>.ts is found by
# Qvas::installTranslator(locale, "<name>"). Sets <target>_QM_FILES in the
# caller's scope, for install rules that ship the files as well.
#
# Installed with the QvAlarmScreen package, so that a panel plug-in carries
# its own translations the same way.
function(qvas_add_translations target)
  cmake_parse_arguments(ARG "" "" "TS" ${ARGN})
  find_package(Qt5LinguistTools 5.15 REQUIRED)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_translations)
  file(MAKE_DIRECTORY ${dir})
  set(qm_files)
  set(entries)
  foreach(ts IN LISTS ARG_TS)
    get_filename_component(ts_path ${ts} ABSOLUTE)
    get_filename_component(base ${ts} NAME_WE)
    set(qm ${dir}/${base}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND Qt5::lrelease -silent ${ts_path} -qm ${qm}
      DEPENDS ${ts_path} VERBATIM)
    list(APPEND qm_files ${qm})
    string(APPEND entries "    <file>${base}.qm</file>\n")
  endforeach()
  # Written through configure_file so that an unchanged list does not
  # rebuild the resource.
  set(qrc ${dir}/translations.qrc)
  file(WRITE ${qrc}.in "<RCC>\n  <qresource prefix=\"/qvas/translations\">\n${entries}  </qresource>\n</RCC>\n")
  configure_file(${qrc}.in ${qrc} COPYONLY)
  string(MAKE_C_IDENTIFIER ${target}_translations resource_name)
  set(cpp ${dir}/qrc_translations.cpp)
  add_custom_command(OUTPUT ${cpp}
    COMMAND Qt5::rcc --name ${resource_name} --output ${cpp} ${qrc}
    DEPENDS ${qrc} ${qm_files} VERBATIM)
  set_source_files_properties(${cpp} PROPERTIES SKIP_AUTOGEN ON GENERATED ON)
  target_sources(${target} PRIVATE ${cpp})
  set(${target}_QM_FILES ${qm_files} PARENT_SCOPE)
endfunction()
