# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags (stack protector, _FORTIFY_SOURCE, full RELRO with
# -z now), as dpkg-buildflags gives them, for every optimised build that no
# sanitizer instruments. Optimisation and debug information stay the build
# type's; file paths stay as they are, for ccache.
if(FOTOBAKO_SANITIZE OR FOTOBAKO_FUZZ OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all reproducible=-all")
set(ENV{DEB_CXXFLAGS_MAINT_STRIP} "-g -O2")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind} OUTPUT_VARIABLE flags
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(hardening_${kind} UNIX_COMMAND "${flags}")
endforeach()
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
