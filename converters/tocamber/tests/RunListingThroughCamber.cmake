# Runs Ql2Cmb on a fixture listing for girder 1 in a fresh work folder, as the
# editor's Camber form does, and checks its exit status (1 normal, 255 for
# the -1 of an aborted run). After a normal run QlCamb lists the camber input,
# which must exist, and its listing must hold every text of ECHO; after an
# aborted run an older camber input stands as it was, and no temporary file
# is left.
#
#   cmake -DQL2CMB=... -DQLCAMB=... -DLISTING=... -DSTATUS=1|255 -DWORK=... [-DECHO=a;b]
#         -P RunListingThroughCamber.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${LISTING} DESTINATION ${WORK})
get_filename_component(base ${LISTING} NAME_WE)
file(WRITE ${WORK}/${base}.CMB "an older camber input\n")

execute_process(COMMAND ${QL2CMB} ${base}.lis 1 WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "Ql2Cmb exit status ${status}, expected ${STATUS}:\n${out}${err}")
endif()
if(NOT STATUS EQUAL 1)
  file(READ ${WORK}/${base}.CMB kept)
  if(NOT kept STREQUAL "an older camber input\n")
    message(FATAL_ERROR "Ql2Cmb changed the older ${base}.CMB in an aborted run")
  endif()
  file(GLOB left ${WORK}/.*.tmp)
  if(left)
    message(FATAL_ERROR "Ql2Cmb left ${left} after an aborted run")
  endif()
  return()
endif()
if(NOT EXISTS ${WORK}/${base}.CMB)
  message(FATAL_ERROR "Ql2Cmb wrote no ${base}.CMB:\n${out}${err}")
endif()

execute_process(COMMAND ${QLCAMB} ${base}.CMB ${base}.out WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "QlCamb exit status ${status}:\n${out}${err}")
endif()
file(READ ${WORK}/${base}.out listing)
foreach(text IN LISTS ECHO)
  string(FIND "${listing}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The camber listing lacks \"${text}\":\n${listing}")
  endif()
endforeach()
