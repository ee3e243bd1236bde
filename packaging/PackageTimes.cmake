# Read by cpack as it packs (CPACK_PROJECT_CONFIG_FILE): every file time in
# the package is SOURCE_DATE_EPOCH, so packing the same sources twice gives
# the same package. A value from the caller's environment wins, as Debian's
# build tools expect; otherwise it is the time of the last commit.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND git -C "${CPACK_PARLOW_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE parlow_last_commit
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE parlow_git_failed
    ERROR_QUIET)
  if(NOT parlow_git_failed AND parlow_last_commit MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${parlow_last_commit}")
  else()
    message(WARNING "No git history in ${CPACK_PARLOW_SOURCE_DIR}: file times are the packing time")
  endif()
endif()
