# SPDX-License-Identifier: MIT
# Read by cpack for each package it makes. CPack writes SOURCE_DATE_EPOCH, when it is set, as the
# time of every file and member of the package (CMake 3.25 and 3.31 alike): the source's date
# found when the build was configured, unless the caller gives one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_QUADRIPOLO_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_QUADRIPOLO_SOURCE_DATE_EPOCH}")
endif()
