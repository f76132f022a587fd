# SPDX-License-Identifier: MIT
# What the program loads at run time (Qt's plugins, its fonts) is invisible to shlibdeps, and the
# packages holding it differ between releases (Debian 13 moved Qt's SVG plugins out of libqt6svg6
# into qt6-svg-plugins). So each file of packaging/run-time-files is looked up on this system and
# the package that holds it becomes a dependency, unless it holds a Qt library the program links,
# which shlibdeps names already.
# Sets CPACK_DEBIAN_PACKAGE_DEPENDS.
execute_process(COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/packaging/run_time_files.sh
                OUTPUT_VARIABLE _run_time_files COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" _run_time_files "${_run_time_files}")
list(FILTER _run_time_files EXCLUDE REGEX "^$")
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Svg)
set(_linked_libraries)
foreach(_library Core Gui Widgets Svg)
    get_target_property(_location Qt6::${_library} LOCATION)
    list(APPEND _linked_libraries "found ${_location}")
endforeach()
set(_linked_packages)
set(_run_time_packages)
foreach(_line IN LISTS _linked_libraries _run_time_files)
    if(NOT _line MATCHES "^found (.+)")
        message(FATAL_ERROR "The program needs at run time a file this system lacks: ${_line}. "
                            "Install the package that holds it (scripts/dependencies.sh does).")
    endif()
    execute_process(COMMAND dpkg-query -S ${CMAKE_MATCH_1} OUTPUT_VARIABLE _owner
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX REPLACE "[:,].*" "" _owner "${_owner}")
    if(_line IN_LIST _linked_libraries)
        list(APPEND _linked_packages ${_owner})
    elseif(NOT _owner IN_LIST _linked_packages)
        list(APPEND _run_time_packages ${_owner})
    endif()
endforeach()
list(REMOVE_DUPLICATES _run_time_packages)
list(JOIN _run_time_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
message(STATUS "Run-time packages beside the linked libraries: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
