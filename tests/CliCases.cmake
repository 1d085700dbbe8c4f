# End-to-end runs of the real tavrin-convert, through the emulator in the
# cross build.
set(_data ${CMAKE_CURRENT_SOURCE_DIR}/data)

function(tavrin_cli_case name status)
  cmake_parse_arguments(PARSE_ARGV 2 CASE "" "INPUT;EXPECTED" "ARGS")
  add_test(NAME tavrin_convert.${name}
    COMMAND ${CMAKE_COMMAND}
      -DPROGRAM=$<TARGET_FILE:tavrin-convert>
      "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
      "-DARGS=${CASE_ARGS}"
      -DINPUT=${CASE_INPUT}
      -DSTATUS=${status}
      -DEXPECTED=${CASE_EXPECTED}
      -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/cli-${name}.out
      -P ${CMAKE_CURRENT_SOURCE_DIR}/RunCli.cmake)
endfunction()

tavrin_cli_case(sample_from_stdin 0 INPUT ${_data}/sample.h EXPECTED ${_data}/sample.expected)
tavrin_cli_case(sample_from_file 0 ARGS ${_data}/sample.h EXPECTED ${_data}/sample.expected)
tavrin_cli_case(portable_engine 0 ARGS --engine=portable ${_data}/sample.h
  EXPECTED ${_data}/sample.expected)
tavrin_cli_case(missing_file 1 ARGS ${_data}/sample.h ${_data}/no-such-file.h)
tavrin_cli_case(unknown_option 2 ARGS --frobnicate)
tavrin_cli_case(help 0 ARGS --help)
if(WIN32)
  tavrin_cli_case(vbscript_engine 0 ARGS --engine=vbscript ${_data}/sample.h
    EXPECTED ${_data}/sample.expected)
endif()
