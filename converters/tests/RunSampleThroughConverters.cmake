# The sample bridge as the editor runs it end to end: QlEngl writes the
# listing, Ql2Cmb turns girders 1-5 into camber input and QlCamb lists it,
# QlStFi writes all three stick-figure files and QlPrCo the project
# coordinates. Each program's exit status is checked, and the camber listing
# must echo the spans worked out by hand in samples/README.md (the spans on
# the horizontal control times (R - o) / R).
#
#   cmake -DBIN=<folder of the programs> -DDECK=samples/bridge.dat -DWORK=...
#         -P RunSampleThroughConverters.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DECK} DESTINATION ${WORK})

include(${CMAKE_CURRENT_LIST_DIR}/ProgramSteps.cmake)
function(run_step expected)
  run_program(${WORK} ${expected} ${ARGN})
endfunction()

function(require_file name)
  if(NOT EXISTS ${WORK}/${name})
    message(FATAL_ERROR "no ${name} was written")
  endif()
endfunction()

run_step(0 ${BIN}/QlEngl bridge.dat bridge.lis)
run_step(1 ${BIN}/Ql2Cmb bridge.lis 1-5)
require_file(bridge.CMB)
run_step(0 ${BIN}/QlCamb bridge.CMB bridge.out)
file(READ ${WORK}/bridge.out camber)
foreach(text
    "GIRDER NO. 5"
    "SPAN LENGTHS         90.6283  120.8378   90.6283"
    "SPAN LENGTHS         90.0000  120.0000   90.0000"
    "SPAN LENGTHS         89.3717  119.1622   89.3717")
  string(FIND "${camber}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The camber listing lacks \"${text}\"")
  endif()
endforeach()

run_step(1 ${BIN}/QlStFi bridge.lis 28)
foreach(name bridge.DQ bridge.DXF bridge.MOSS)
  require_file(${name})
endforeach()

run_step(0 ${BIN}/QlPrCo bridge.lis bridge.pcf 1000 2000 N 10 0 0 E)
require_file(bridge.pcf)
