# Debian's build flags (dpkg-buildflags) with every hardening feature on:
# fortified functions, stack protector, format checks, read-only relocations
# bound at load time. The build type still chooses optimisation and debug
# information, so those two are taken out of Debian's compiler flags.
#
# On by default for the optimised build types wherever dpkg-buildflags
# exists, so the package the tests check is built as the released one is.
# Fortified functions need optimisation, and the sanitizer build brings its
# own checks, so those builds leave it off.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(_parlow_debian_default OFF)
if(DPKG_BUILDFLAGS AND NOT PARLOW_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(_parlow_debian_default ON)
endif()
option(PARLOW_DEBIAN_BUILDFLAGS "Build with Debian's hardening flags from dpkg-buildflags"
       ${_parlow_debian_default})

function(_parlow_buildflag name out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O[0-9sgz]?|g[0-9]?)$")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

if(PARLOW_DEBIAN_BUILDFLAGS)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "PARLOW_DEBIAN_BUILDFLAGS needs dpkg-buildflags (package dpkg-dev)")
  endif()
  _parlow_buildflag(CPPFLAGS parlow_cppflags)
  _parlow_buildflag(CXXFLAGS parlow_cxxflags)
  _parlow_buildflag(LDFLAGS parlow_ldflags)
  add_compile_options(${parlow_cppflags} ${parlow_cxxflags})
  add_link_options(${parlow_ldflags})
  message(STATUS "Debian build flags: ${parlow_cppflags} ${parlow_cxxflags} ${parlow_ldflags}")
endif()
