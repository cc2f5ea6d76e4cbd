# The conversion core as a library for other programs: its static library,
# the headers a caller needs (the calendars, convert and its outcome, the
# batch readings, the refusals' messages) and no internal helper, a CMake
# package (find_package(MRVDate), target MRVDate::core) and a pkg-config
# file (mrvdate-core). All in the install component "dev", which the -dev
# Debian package holds.
set(mrv_core_headers
  ${PROJECT_SOURCE_DIR}/core/Calendar.h
  ${PROJECT_SOURCE_DIR}/core/Entry.h
  ${PROJECT_SOURCE_DIR}/core/NumberReader.h
  ${PROJECT_BINARY_DIR}/core/texts/CalendarTable.h
  ${PROJECT_BINARY_DIR}/core/texts/RefusalMessages.h)
set_target_properties(mrvcore PROPERTIES OUTPUT_NAME mrvdate-core EXPORT_NAME core)
# A caller of MRVDate::core compiles as C++20, as the headers need.
target_compile_features(mrvcore PUBLIC cxx_std_20)

# Debian's multiarch folder, also under /usr/local, where the system's
# compiler, pkg-config and CMake look; lintian expects it of a -dev package.
set(mrv_libdir ${CMAKE_INSTALL_LIBDIR})
if(CMAKE_LIBRARY_ARCHITECTURE AND mrv_libdir STREQUAL "lib")
  set(mrv_libdir lib/${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(mrv_cmakedir ${mrv_libdir}/cmake/MRVDate)

# The headers include one another by plain name: they stay together in one
# folder, included as <mrvdate/Calendar.h>.
install(TARGETS mrvcore EXPORT MRVDateTargets
  ARCHIVE DESTINATION ${mrv_libdir} COMPONENT dev
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# A stripped install (the package's) strips the library as Debian's
# dh_strip does: no debugging sections, no compiler's notes, fixed member
# times and owners.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --remove-section=.comment --remove-section=.note
      --enable-deterministic-archives
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${mrv_libdir}/$<TARGET_FILE_NAME:mrvcore>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()" COMPONENT dev)
install(FILES ${mrv_core_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/mrvdate COMPONENT dev)
install(EXPORT MRVDateTargets NAMESPACE MRVDate:: DESTINATION ${mrv_cmakedir} COMPONENT dev)

include(CMakePackageConfigHelpers)
file(WRITE ${PROJECT_BINARY_DIR}/MRVDateConfig.cmake
  "include(\${CMAKE_CURRENT_LIST_DIR}/MRVDateTargets.cmake)\n")
write_basic_package_version_file(${PROJECT_BINARY_DIR}/MRVDateConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/MRVDateConfig.cmake ${PROJECT_BINARY_DIR}/MRVDateConfigVersion.cmake
  DESTINATION ${mrv_cmakedir} COMPONENT dev)

# The pkg-config file names the prefix installed into, known only when
# installing (the package's /usr, whatever the build was configured with).
set(mrv_pc_prefix @prefix@)
configure_file(${PROJECT_SOURCE_DIR}/cmake/mrvdate-core.pc.in ${PROJECT_BINARY_DIR}/mrvdate-core.pc.in @ONLY)
install(CODE "
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  configure_file(\"${PROJECT_BINARY_DIR}/mrvdate-core.pc.in\"
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${mrv_libdir}/pkgconfig/mrvdate-core.pc\" @ONLY)"
  COMPONENT dev)
