# The version information and icon that Windows shows for MRVDate.exe
# (MRVDate.rc.in), with the version numbers of project(). Plain CMake: the
# Linux builds compile the same file in the version resource's test.
set(MRVDATE_RC_VERSION_FIELDS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
# The string form writes the minor number with two digits: 1.1 is "1.01".
math(EXPR mrv_minor "100 + ${PROJECT_VERSION_MINOR}")
string(SUBSTRING ${mrv_minor} 1 2 mrv_minor)
set(MRVDATE_RC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${mrv_minor}")

include(${CMAKE_CURRENT_LIST_DIR}/IconResource.cmake)
configure_file(${CMAKE_CURRENT_LIST_DIR}/MRVDate.rc.in ${PROJECT_BINARY_DIR}/win32/MRVDate.rc @ONLY)
set(MRVDATE_RC_FILE ${PROJECT_BINARY_DIR}/win32/MRVDate.rc)
