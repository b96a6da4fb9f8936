# Run by CPack once it has made the Windows packages: Debian's
# strip-nondeterminism sorts a zip's files and sets their times (to
# SOURCE_DATE_EPOCH), modes and owners.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND strip-nondeterminism --type zip ${package} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
