# The date that stands for the sources, so that the same sources make the same package and
# the same CD: SOURCE_DATE_EPOCH where it is set, else the last commit's, else now.
function(korvant_source_date strVariable strFormat)
  set(nEpoch $ENV{SOURCE_DATE_EPOCH})
  if(NOT nEpoch)
    find_package(Git QUIET)
    if(Git_FOUND)
      execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} OUTPUT_VARIABLE nEpoch
        OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    endif()
  endif()
  # string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set, and now otherwise; the
  # variable is put back as it was, as it is the whole configure run's.
  set(strBefore "$ENV{SOURCE_DATE_EPOCH}")
  if(nEpoch)
    set(ENV{SOURCE_DATE_EPOCH} ${nEpoch})
  endif()
  string(TIMESTAMP strDate "${strFormat}" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${strBefore}")
  set(${strVariable} "${strDate}" PARENT_SCOPE)
endfunction()
