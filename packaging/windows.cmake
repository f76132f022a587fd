# SPDX-License-Identifier: MIT
# The Windows zip, made by cpack -G ZIP in the build folder: one folder
# quadripolo-<version>-windows-x86_64 holding the stripped program, its licence, and the notices
# of what is linked into it (NOTICE.txt and licenses/, packaging/windows_notices.py), every entry
# with the source's date (SOURCE_DATE_EPOCH, packaging/cpack_project.cmake). Included before the
# program's install rule, whose folder it sets to the top of the zip.
set(CMAKE_INSTALL_BINDIR .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME quadripolo-${PROJECT_VERSION}-windows-x86_64)

# Address space layout randomisation with 64-bit addresses, and no code run from data pages: the
# PE header's DYNAMIC_BASE, HIGH_ENTROPY_VA and NX_COMPAT, asked for whatever the linker's default.
add_link_options(LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
# Every executable's link map beside its objects: the notices list what the linker took.
add_link_options(LINKER:-Map=$<TARGET_PROPERTY:BINARY_DIR>/$<TARGET_PROPERTY:NAME>.map)

# The commit the program is built from, named in the notices as the program's source.
find_program(QUADRIPOLO_GIT git)
execute_process(COMMAND ${QUADRIPOLO_GIT} rev-parse HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE _quadripolo_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT _quadripolo_commit)
    set(_quadripolo_commit "(not known: built outside a git clone)")
endif()

# The notices, made after quadripolo.exe is linked (the program's target exists once the whole
# project is read) from its link map and the static Qt's record of its own source.
function(quadripolo_windows_notices)
    if(NOT TARGET quadripolo)
        return()
    endif()
    find_program(QUADRIPOLO_PYTHON python3 REQUIRED)
    get_target_property(_program_dir quadripolo BINARY_DIR)
    set(_notices ${PROJECT_BINARY_DIR}/notices)
    add_custom_command(
        OUTPUT ${_notices}/NOTICE.txt
        COMMAND ${QUADRIPOLO_PYTHON} ${PROJECT_SOURCE_DIR}/packaging/windows_notices.py
                ${_program_dir}/quadripolo.map ${QT6_INSTALL_PREFIX} ${PROJECT_BINARY_DIR}
                ${_notices} ${PROJECT_VERSION} ${_quadripolo_commit}
        DEPENDS quadripolo ${PROJECT_SOURCE_DIR}/packaging/windows_notices.py
        COMMENT "Writing the notices of what quadripolo.exe holds"
        VERBATIM)
    add_custom_target(windows_notices ALL DEPENDS ${_notices}/NOTICE.txt)
    install(DIRECTORY ${_notices}/ DESTINATION .)
endfunction()
cmake_language(DEFER CALL quadripolo_windows_notices)
