# SPDX-License-Identifier: MIT
# Read by cpack before it makes each package: the source's date for every file, and the Debian
# package refused where this build cannot make it as CI does.
# CPack writes SOURCE_DATE_EPOCH, when it is set, as the time of every file and member of the
# package (CMake 3.25 and 3.31 alike): the source's date found when the build was configured,
# unless the caller gives one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND CPACK_QUADRIPOLO_SOURCE_DATE_EPOCH)
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_QUADRIPOLO_SOURCE_DATE_EPOCH}")
endif()

# The Debian package only as CI makes it (packaging/debian.cmake lists what this build lacks).
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_QUADRIPOLO_DEBIAN_GAPS)
    list(JOIN CPACK_QUADRIPOLO_DEBIAN_GAPS "\n  " _gaps)
    message(FATAL_ERROR "This build cannot make the Debian package as CI makes it; it lacks:\n"
                        "  ${_gaps}\n"
                        "Install what is missing (bash scripts/run.sh does), then build again.")
endif()
