# SPDX-License-Identifier: MIT
# The same bytes from the same commit, whatever folder the clone is in and whenever it is built.
#
# No path of the build machine enters an object file (debug information, __FILE__): the source
# folder is written as "." and the build folder as "build". The last map that matches wins, so
# a build folder inside the source folder is still written as "build".
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# The one date that enters the artefacts is the source's: SOURCE_DATE_EPOCH when it is set, else
# the date of the commit the build is configured from (the build configures itself again after
# a commit or a checkout). It goes to rcc (each resource's modification date), to the linker of
# the Windows build (the PE header's date) and to CPack (the times of the Debian package's
# files and members).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(QUADRIPOLO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_program(QUADRIPOLO_GIT git)
    if(QUADRIPOLO_GIT)
        execute_process(COMMAND ${QUADRIPOLO_GIT} log -1 --format=%ct
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE QUADRIPOLO_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        execute_process(COMMAND ${QUADRIPOLO_GIT} rev-parse --git-path logs/HEAD
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE _head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(_head_log)
            get_filename_component(_head_log ${_head_log} ABSOLUTE BASE_DIR ${PROJECT_SOURCE_DIR})
            if(EXISTS ${_head_log})
                set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_head_log})
            endif()
        endif()
    endif()
endif()
if(NOT QUADRIPOLO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(WARNING "Neither SOURCE_DATE_EPOCH nor a git history gives the source's date: the "
                    "resources' dates and the packages' file times will be those of the build.")
    set(QUADRIPOLO_SOURCE_DATE_EPOCH "")
    return()
endif()
message(STATUS "Source date: ${QUADRIPOLO_SOURCE_DATE_EPOCH} (SOURCE_DATE_EPOCH)")

# A command run with the source's date in its environment (rcc's, in ui/).
set(QUADRIPOLO_WITH_SOURCE_DATE ${CMAKE_COMMAND} -E env
    SOURCE_DATE_EPOCH=${QUADRIPOLO_SOURCE_DATE_EPOCH})
# GNU ld writes SOURCE_DATE_EPOCH as the PE header's date instead of the time of the link.
if(MINGW)
    set(CMAKE_C_LINKER_LAUNCHER ${QUADRIPOLO_WITH_SOURCE_DATE})
    set(CMAKE_CXX_LINKER_LAUNCHER ${QUADRIPOLO_WITH_SOURCE_DATE})
endif()
# CPack reads it from the environment at packaging time (packaging/cpack_project.cmake).
set(CPACK_QUADRIPOLO_SOURCE_DATE_EPOCH ${QUADRIPOLO_SOURCE_DATE_EPOCH})
