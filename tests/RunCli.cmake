# Runs tavrin-convert once and checks its exit status and, when given, its
# standard output byte for byte.
#   -DPROGRAM=… -DEMULATOR=… -DARGS=a;b -DINPUT=file -DSTATUS=n -DEXPECTED=file -DOUTPUT=file
if(NOT INPUT)
  set(INPUT /dev/null)
endif()
execute_process(
  COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
  INPUT_FILE ${INPUT}
  OUTPUT_FILE ${OUTPUT}
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}; standard error: ${errors}")
endif()
if(EXPECTED)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "standard output differs from ${EXPECTED}")
  endif()
else()
  file(SIZE ${OUTPUT} size)
  if(STATUS EQUAL 1 AND NOT size EQUAL 0)
    message(FATAL_ERROR "a failed run wrote ${size} bytes to standard output")
  endif()
endif()
message(STATUS "exit status ${status} as expected")
