# Converts the metric sample bridge with QlM2e, runs QlMetr on the English
# deck and checks that the listing holds the texts of the expect file.
# Called with -DQLM2E= -DQLMETR= -DDECK= -DEXPECT= -DWORK=.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${DECK}" DESTINATION "${WORK}")
get_filename_component(deckName "${DECK}" NAME)
string(REGEX REPLACE "\\..*$" "" base "${deckName}")

execute_process(COMMAND "${QLM2E}" "${deckName}" "${base}.bip" WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE m2eStatus)
if(NOT m2eStatus EQUAL 0)
  message(FATAL_ERROR "QlM2e ended with status ${m2eStatus}")
endif()
execute_process(COMMAND "${QLMETR}" "${base}.BIP" "${base}.lis" WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE engineStatus)
if(NOT engineStatus EQUAL 0)
  message(FATAL_ERROR "QlMetr ended with status ${engineStatus}")
endif()

file(READ "${WORK}/${base}.lis" listing)
file(STRINGS "${EXPECT}" expected)
set(missing "")
foreach(text IN LISTS expected)
  if(text MATCHES "^#" OR text STREQUAL "")
    continue()
  endif()
  string(FIND "${listing}" "${text}" at)
  if(at EQUAL -1)
    string(APPEND missing "\n  ${text}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "the listing ${WORK}/${base}.lis lacks:${missing}")
endif()
