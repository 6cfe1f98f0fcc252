# The hardening Debian builds its own packages with, as dpkg-buildflags
# gives it (stack protector, FORTIFY_SOURCE, format checks, RELRO and
# BIND_NOW). Optimisation and debug information stay with the build type;
# the file-prefix map is left out so that worktrees share compiled objects.
option(TARVO_HARDENING "Build with the flags of dpkg-buildflags (hardening=+all)" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(TARVO_HARDENING AND DPKG_BUILDFLAGS)
  set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?|-ffile-prefix-map=.*|-fdebug-prefix-map=.*)$")
    # FORTIFY_SOURCE needs optimisation: an unoptimised build would warn.
    if(CMAKE_BUILD_TYPE STREQUAL "Debug")
      list(FILTER flags EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
    endif()
    set(TARVO_${kind} ${flags})
  endforeach()
  add_compile_options(${TARVO_CPPFLAGS} ${TARVO_CXXFLAGS})
  add_link_options(${TARVO_LDFLAGS})
  string(JOIN " " shown ${TARVO_CPPFLAGS} ${TARVO_CXXFLAGS} ${TARVO_LDFLAGS})
  message(STATUS "Hardening: ${shown}")
endif()
