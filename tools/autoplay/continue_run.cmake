# Plays twelve months straight, then six months saved with --save and six more continued with
# --load and the printed seed, and fails unless the continued months print the same lines as the
# last six months of the straight run.
set(args --seed 4711 --keep-running --president 試験会長 --company 試験商事 --capital 2)
execute_process(COMMAND ${TOOL} --city ${CITY} --months 12 ${args}
                OUTPUT_VARIABLE straight RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the straight run failed with ${rc}:\n${straight}")
endif()
execute_process(COMMAND ${TOOL} --city ${CITY} --months 6 ${args} --save ${OUT}/continue.PLR
                OUTPUT_VARIABLE first RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the saving run failed with ${rc}:\n${first}")
endif()
if(NOT first MATCHES "saved [^\n]* seed=([0-9]+)\n")
  message(FATAL_ERROR "the saving run printed no seed:\n${first}")
endif()
execute_process(COMMAND ${TOOL} --load ${OUT}/continue.PLR --seed ${CMAKE_MATCH_1} --months 6
                        --keep-running
                OUTPUT_VARIABLE second RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the continued run failed with ${rc}:\n${second}")
endif()
string(REPLACE "\n" ";" straight_lines "${straight}")
string(REPLACE "\n" ";" first_lines "${first}")
list(SUBLIST first_lines 0 6 first_months)
list(SUBLIST straight_lines 0 6 straight_first)
list(SUBLIST straight_lines 6 6 straight_last)
string(REPLACE "\n" ";" second_lines "${second}")
list(SUBLIST second_lines 0 6 second_months)
if(NOT first_months STREQUAL straight_first)
  message(FATAL_ERROR "the first six months differ:\n${first}\n----\n${straight}")
endif()
if(NOT second_months STREQUAL straight_last)
  message(FATAL_ERROR "the continued months differ:\n${second}\n----\n${straight}")
endif()
