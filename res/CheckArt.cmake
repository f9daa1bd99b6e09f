# Draws the pictures afresh with make-art.py and fails if they differ from the files that
# the program is built with, so that the committed pictures always match their script.
execute_process(COMMAND ${PYTHON} ${SOURCE}/make-art.py ${OUT} RESULT_VARIABLE nResult)
if(NOT nResult EQUAL 0)
  message(FATAL_ERROR "make-art.py failed")
endif()
foreach(strFile banner.bmp welcome.bmp writeerror.ico setup.ico)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SOURCE}/${strFile} ${OUT}/${strFile}
                  RESULT_VARIABLE nDiffers)
  if(NOT nDiffers EQUAL 0)
    message(FATAL_ERROR "${strFile} is not what make-art.py draws; run: python3 res/make-art.py")
  endif()
endforeach()
message(STATUS "the pictures match make-art.py")
