# qvas_add_shared_library(<name> EXPORT_BASE <BASE> INCLUDE_DIR <dir> SOURCES <files>...)
#
# A shared library of the project: Qvas::<name> alias, AUTOMOC, a generated
# <base>_export.h with <BASE>_EXPORT, hidden symbols unless exported, and
# install rules into the QvAlarmScreen package (headers go to INCLUDE_DIR,
# which is also the installed include directory).
function(qvas_add_shared_library name)
  cmake_parse_arguments(ARG "" "EXPORT_BASE;INCLUDE_DIR" "SOURCES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  add_library(Qvas::${name} ALIAS ${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON VERSION ${PROJECT_VERSION} SOVERSION 0)
  string(TOLOWER ${ARG_EXPORT_BASE} export_file)
  generate_export_header(${name} BASE_NAME ${ARG_EXPORT_BASE} EXPORT_FILE_NAME ${export_file}_export.h)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>
    $<INSTALL_INTERFACE:${ARG_INCLUDE_DIR}>)
  install(TARGETS ${name} EXPORT QvAlarmScreenTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${export_file}_export.h DESTINATION ${ARG_INCLUDE_DIR})
endfunction()
