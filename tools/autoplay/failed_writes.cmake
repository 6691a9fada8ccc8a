# A run whose output cannot be written fails with a message: the month lines to a full disk, and
# a block grid file that cannot be created, which is found out before the first month.
execute_process(
  COMMAND ${TOOL} --city ${CITY} --months 2
  OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0 OR NOT err MATCHES "cannot write the month lines")
  message(FATAL_ERROR "a full disk gave ${rc}: ${err}")
endif()
execute_process(
  COMMAND ${TOOL} --city ${CITY} --months 2 --csv ${OUT}/no_such_folder/grid.csv
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc EQUAL 0 OR NOT err MATCHES "cannot open the block grid file" OR NOT out STREQUAL "")
  message(FATAL_ERROR "an unwritable grid file gave ${rc}: ${err}\n${out}")
endif()
