# qvas_add_shared_library(<name> EXPORT_BASE <BASE> INCLUDE_DIR <dir> SOURCES <files>...)
#
# A shared library of the project: Qvas::<name> alias, AUTOMOC, a generated
# <base>_export.h with <BASE>_EXPORT, hidden symbols unless exported, and
# install rules into the QvAlarmScreen package (headers go to INCLUDE_DIR,
# which is also the installed include directory).
# The soname carries the major version, which is also what the package's
# version file declares compatible (SameMajorVersion).
function(qvas_add_shared_library name)
  cmake_parse_arguments(ARG "" "EXPORT_BASE;INCLUDE_DIR" "SOURCES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  add_library(Qvas::${name} ALIAS ${name})
  set_target_properties(${name} PROPERTIES AUTOMOC ON VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  qvas_set_install_rpath(${name} ${CMAKE_INSTALL_LIBDIR})
  string(TOLOWER ${ARG_EXPORT_BASE} export_file)
  generate_export_header(${name} BASE_NAME ${ARG_EXPORT_BASE} EXPORT_FILE_NAME ${export_file}_export.h)
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
    $<BUILD_INTERFACE:${CMAKE_CURRENT_BINARY_DIR}>
    $<INSTALL_INTERFACE:${ARG_INCLUDE_DIR}>)
  install(TARGETS ${name} EXPORT QvAlarmScreenTargets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${export_file}_export.h DESTINATION ${ARG_INCLUDE_DIR})
endfunction()

# qvas_set_install_rpath(<target> <install destination>)
#
# Gives an installed binary a run path relative to its own folder that leads
# to the package's library folder, so that an install under any prefix, also
# one moved elsewhere afterwards, runs without LD_LIBRARY_PATH. The build
# tree keeps its absolute run path.
function(qvas_set_install_rpath target destination)
  # Both folders are relative to the prefix; any common root gives the same path.
  file(RELATIVE_PATH to_libdir /prefix/${destination} /prefix/${CMAKE_INSTALL_LIBDIR})
  string(REGEX REPLACE "/$" "" to_libdir "${to_libdir}")
  if(to_libdir STREQUAL "")
    set(rpath "$ORIGIN")
  else()
    set(rpath "$ORIGIN/${to_libdir}")
  endif()
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "${rpath}")
endfunction()
