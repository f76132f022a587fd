# SPDX-License-Identifier: MIT
# The Debian package of the program (cpack -G DEB in the build folder): what it installs beside
# the program, and its control fields. Included by the top-level CMakeLists.txt before CPack.
include(GNUInstallDirs)
set(_source ${PROJECT_SOURCE_DIR})
set(_out ${PROJECT_BINARY_DIR}/packaging)

# The desktop entry, the icon and the AppStream metainfo (written for this system's AppStream).
set(_id io.github.quadripolo.Quadripolo)
install(FILES ${_source}/ui/resources/${_id}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_source}/ui/resources/icons/quadripolo.svg RENAME ${_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
include(${CMAKE_CURRENT_LIST_DIR}/metainfo.cmake)
quadripolo_write_metainfo(${_source}/ui/resources/${_id}.metainfo.xml ${_out}/${_id}.metainfo.xml)
install(FILES ${_out}/${_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence in Debian's machine-readable form, the changelog and the manual page (with the
# project's version), the last two compressed as Debian wants them (gzip -9n: no name or time
# inside, so the bytes never vary).
configure_file(${_source}/packaging/quadripolo.1 ${_out}/quadripolo.1 @ONLY)
find_program(QUADRIPOLO_GZIP gzip REQUIRED)
foreach(_file ${_source}/packaging/changelog ${_out}/quadripolo.1)
    get_filename_component(_name ${_file} NAME)
    add_custom_command(
        OUTPUT ${_out}/${_name}.gz
        COMMAND ${QUADRIPOLO_GZIP} -9nc ${_file} > ${_out}/${_name}.gz
        DEPENDS ${_file}
        COMMENT "Compressing ${_name}")
    list(APPEND _compressed ${_out}/${_name}.gz)
endforeach()
add_custom_target(quadripolo_packaging_files ALL DEPENDS ${_compressed})
add_dependencies(quadripolo quadripolo_packaging_files) # so cpack works after a build of it alone
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/quadripolo)
install(FILES ${_source}/packaging/copyright ${_out}/changelog.gz DESTINATION ${_docdir})
install(FILES ${_out}/quadripolo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME "quadripolo")
set(CPACK_PACKAGE_VENDOR "Quadripolo")
set(CPACK_PACKAGE_CONTACT "Quadripolo maintainers <quadripolo@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/quadripolo/quadripolo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The extended description, one paragraph a line; CPack indents it for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Quadripolo analyses a linear two-port network driven by a source and
closed on a load. One types the four scattering parameters S11, S12, S21
and S22 (modulus and phase) measured against a real reference
resistance, the source voltage and impedance, and the load impedance.

The program computes the incident and reflected waves, the port voltages
and currents, the input and load powers and the input and output
impedances, the same port quantities through the equivalent z parameters
for comparison, and the equivalent z and y parameters. A second window
converts a set of y parameters back to S parameters.

The windows' texts are in Italian.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
# The libraries the program links, found by dpkg-shlibdeps, and what it loads at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/run-time-depends CPACK_DEBIAN_PACKAGE_DEPENDS
     REGEX "^[^#]")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/run-time-depends)

# Without these, cpack would make a weaker package than CI's and say nothing: no dependencies on
# the libraries (CPack needs dpkg-shlibdeps and file for them), the metainfo in a form this
# system's AppStream may not know, a program without Debian's hardening. cpack stops instead,
# naming what is missing (packaging/cpack_project.cmake); they are read when the build is
# configured.
find_program(QUADRIPOLO_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUADRIPOLO_FILE file)
set(CPACK_QUADRIPOLO_DEBIAN_GAPS)
if(NOT QUADRIPOLO_DPKG_SHLIBDEPS OR NOT QUADRIPOLO_FILE)
    list(APPEND CPACK_QUADRIPOLO_DEBIAN_GAPS
         "dependencies on the libraries: dpkg-shlibdeps and file (packages dpkg-dev, file)")
endif()
if(NOT QUADRIPOLO_APPSTREAMCLI)
    list(APPEND CPACK_QUADRIPOLO_DEBIAN_GAPS
         "the metainfo in this system's AppStream form: appstreamcli (package appstream)")
endif()
if(NOT QUADRIPOLO_HARDENING_FLAGS OR CMAKE_BUILD_TYPE STREQUAL "Debug")
    list(APPEND CPACK_QUADRIPOLO_DEBIAN_GAPS
         "Debian's hardening: dpkg-buildflags (package dpkg-dev), in an optimised build")
endif()
