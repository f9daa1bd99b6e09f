# Draws the pictures afresh with make-art.py and fails if any differs from the committed file
# of its name, so that the pictures in res/ always match their script.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${PYTHON} ${SOURCE}/make-art.py ${OUT} RESULT_VARIABLE nResult)
if(NOT nResult EQUAL 0)
  message(FATAL_ERROR "make-art.py failed")
endif()
# Every file the script writes, so that a picture it learns to draw is checked too.
file(GLOB strFiles RELATIVE ${OUT} ${OUT}/*)
list(LENGTH strFiles nFiles)
if(nFiles EQUAL 0)
  message(FATAL_ERROR "make-art.py wrote nothing into ${OUT}")
endif()
foreach(strFile ${strFiles})
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${strFile} ${OUT}/${strFile}
                  RESULT_VARIABLE nDiffers)
  if(NOT nDiffers EQUAL 0)
    message(FATAL_ERROR "${strFile} is not what make-art.py draws; run: python3 res/make-art.py")
  endif()
endforeach()
message(STATUS "the ${nFiles} pictures match make-art.py: ${strFiles}")
