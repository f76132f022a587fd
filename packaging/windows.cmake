# SPDX-License-Identifier: MIT
# The Windows zip, made by cpack -G ZIP in the build folder: one folder
# quadripolo-<version>-windows-x86_64 holding the stripped program and its licence, every entry
# with the source's date (SOURCE_DATE_EPOCH, packaging/cpack_project.cmake). Included before the
# program's install rule, whose folder it sets to the top of the zip.
set(CMAKE_INSTALL_BINDIR .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quadripolo-${PROJECT_VERSION}-windows-x86_64)
