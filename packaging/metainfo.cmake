# SPDX-License-Identifier: MIT
# Writes the AppStream metainfo that the package installs, in the form this system's AppStream
# validates. The source names its developer with <developer id="…"><name>…</name></developer>,
# which AppStream 1.0 requires; AppStream before 1.0 (Debian 12 has 0.16) knows only
# <developer_name>, so for it the names are written as <developer_name> elements instead.
# Without appstreamcli the source's form is kept.

function(quadripolo_write_metainfo source output)
    file(READ "${source}" metainfo)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")

    find_program(QUADRIPOLO_APPSTREAMCLI appstreamcli)
    set(appstream_version "")
    if(QUADRIPOLO_APPSTREAMCLI)
        execute_process(COMMAND "${QUADRIPOLO_APPSTREAMCLI}" --version
            OUTPUT_VARIABLE appstream_report ERROR_QUIET)
        string(REGEX MATCH "[0-9]+\\.[0-9.]+" appstream_version "${appstream_report}")
    endif()

    if(appstream_version AND appstream_version VERSION_LESS 1.0)
        string(REGEX MATCH "  <developer id=\"[^\"]*\">\n(.*)  </developer>\n" block "${metainfo}")
        if(NOT block)
            message(FATAL_ERROR "${source}: no <developer id=\"…\"> block to write for "
                                "AppStream ${appstream_version}")
        endif()
        set(names "${CMAKE_MATCH_1}")
        string(REPLACE "    <name" "  <developer_name" names "${names}")
        string(REPLACE "</name>" "</developer_name>" names "${names}")
        string(REPLACE "${block}" "${names}" metainfo "${metainfo}")
        message(STATUS "Metainfo: <developer_name> for AppStream ${appstream_version}")
    endif()
    file(CONFIGURE OUTPUT "${output}" CONTENT "${metainfo}" @ONLY)
endfunction()
