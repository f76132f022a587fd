# SPDX-License-Identifier: MIT
# The optimised builds of a Debian system get the hardening that Debian gives every package of the
# release: the flags of dpkg-buildflags (stack protector, fortified libc calls, format checks,
# RELRO; stack-clash and control-flow protection where the release asks for them, as Debian 13
# does).
# The build type keeps choosing the optimisation and the debug information, so dpkg's "-g -O2" are
# left out; so are its path maps, since cmake/reproducible.cmake maps the paths itself. None of the
# flags touches floating point: -ffp-contract=off stays in force and the results stay bit for bit.
# Debug builds, the sanitizer and fuzzer builds and cross builds are left as they are (fortify
# needs optimisation, and its checks would stand in the sanitizers' way).
if(CMAKE_CROSSCOMPILING OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR QUADRIPOLO_SANITIZE
   OR QUADRIPOLO_BUILD_FUZZERS)
    return()
endif()
find_program(QUADRIPOLO_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT QUADRIPOLO_DPKG_BUILDFLAGS)
    message(STATUS "Skipped: Debian's hardening flags (no dpkg-buildflags: package dpkg-dev)")
    return()
endif()

set(_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
string(STRIP "$ENV{DEB_BUILD_MAINT_OPTIONS} reproducible=-fixfilepath,-fixdebugpath" _options)
set(QUADRIPOLO_HARDENING_FLAGS)
foreach(_kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
                "DEB_BUILD_MAINT_OPTIONS=${_options}"
                ${QUADRIPOLO_DPKG_BUILDFLAGS} --get ${_kind}
        OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(_flags UNIX_COMMAND "${_flags}")
    list(APPEND QUADRIPOLO_HARDENING_FLAGS ${_flags})
    list(TRANSFORM _flags PREPEND "$<${_optimised}:")
    list(TRANSFORM _flags APPEND ">")
    if(_kind STREQUAL "LDFLAGS")
        add_link_options(${_flags})
    else()
        add_compile_options(${_flags})
    endif()
endforeach()
list(JOIN QUADRIPOLO_HARDENING_FLAGS " " _shown)
message(STATUS "Hardening of the optimised builds (dpkg-buildflags): ${_shown}")
