# Runs the headless player twice with the same arguments and fails unless both runs print the
# same lines and write the same block grid; then the same for the random player, whose choices
# come from the seed as well.
foreach(run 1 2)
  execute_process(
    COMMAND ${TOOL} --city ${CITY} --seed 20261207 --months 36 --keep-running
            --president 試験会長 --company 試験商事 --capital 3 --csv ${OUT}/autoplay_${run}.csv
    OUTPUT_VARIABLE out_${run} RESULT_VARIABLE rc_${run})
  if(NOT rc_${run} EQUAL 0)
    message(FATAL_ERROR "run ${run} failed with ${rc_${run}}:\n${out_${run}}")
  endif()
endforeach()
if(NOT out_1 STREQUAL out_2)
  message(FATAL_ERROR "the two runs differ:\n${out_1}\n----\n${out_2}")
endif()
file(READ ${OUT}/autoplay_1.csv csv_1)
file(READ ${OUT}/autoplay_2.csv csv_2)
if(NOT csv_1 STREQUAL csv_2)
  message(FATAL_ERROR "the two block grids differ")
endif()
string(REGEX MATCHALL "\n" lines "${out_1}")
list(LENGTH lines count)
if(NOT count EQUAL 36)
  message(FATAL_ERROR "expected 36 month lines, got ${count}:\n${out_1}")
endif()

foreach(run 1 2)
  execute_process(
    COMMAND ${TOOL} --city ${CITY} --seed 77 --months 48 --strategy random --restart
    OUTPUT_VARIABLE random_${run} RESULT_VARIABLE rc_${run})
  if(NOT rc_${run} EQUAL 0)
    message(FATAL_ERROR "random run ${run} failed with ${rc_${run}}:\n${random_${run}}")
  endif()
endforeach()
if(NOT random_1 STREQUAL random_2)
  message(FATAL_ERROR "the two random runs differ:\n${random_1}\n----\n${random_2}")
endif()
