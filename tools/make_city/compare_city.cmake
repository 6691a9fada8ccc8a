# Rebuilds one city from its source and fails when the committed city file differs.
execute_process(COMMAND ${TOOL} ${SOURCE} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${SOURCE} does not build")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE same)
if(NOT same EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what ${SOURCE} builds; rebuild it with make_city")
endif()
