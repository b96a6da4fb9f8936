# Run by CPack once it has made the Windows packages (CPACK_PACKAGE_FILES),
# and by the web build on its zip: Debian's strip-nondeterminism sorts a
# zip's files and sets their modes, owners and times, to SOURCE_DATE_EPOCH
# where it is set (the tool itself does not read it).
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(timestamp --timestamp $ENV{SOURCE_DATE_EPOCH})
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$")
    execute_process(COMMAND strip-nondeterminism --type zip ${timestamp} ${package} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
