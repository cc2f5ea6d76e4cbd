# SPDX-FileCopyrightText: 2026 The MRVDate developers
# SPDX-License-Identifier: MIT
#
# Run by cpack on the package it made: packs it again with dpkg-deb, which
# writes every member with fixed owners, modes and times (SOURCE_DATE_EPOCH)
# in name order, whatever the umask of the one who builds. cpack's own
# archive takes the umask's modes for its members and for the folders the
# install made (0700 under umask 077).
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree "${deb}.tree")
  file(REMOVE_RECURSE "${tree}")
  execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE entries LIST_DIRECTORIES true "${tree}/*")
  file(CHMOD "${tree}" ${entries} DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  # gzip, as cpack packs: xz output may depend on the number of threads.
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -z9 --build "${tree}" "${deb}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${tree}")
endforeach()
