# QlPrCo's listing of the sample puts project coordinates in after column 85,
# which moves the girder lengths Ql2Cmb reads: Ql2Cmb must refuse it, keeping
# the camber input of an earlier run. QlStFi reads X, Y and ELEVATION, which
# stay in their columns: its files are those of the geometry listing.
#
#   cmake -DBIN=<folder of the programs> -DDECK=samples/bridge.dat -DWORK=...
#         -P RunProjectListingThroughReaders.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ProgramSteps.cmake)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/geometry ${WORK}/project)
file(COPY ${DECK} DESTINATION ${WORK}/geometry)
get_filename_component(deck_name ${DECK} NAME)

run_program(${WORK}/geometry 0 ${BIN}/QlEngl ${deck_name} bridge.lis)
run_program(${WORK}/geometry 0 ${BIN}/QlPrCo bridge.lis ${WORK}/project/bridge.lis
            1000 2000 N 10 0 0 E)

# An older camber input stays as it was.
file(WRITE ${WORK}/project/bridge.CMB "an earlier camber input\n")
run_program(${WORK}/project 255 ${BIN}/Ql2Cmb bridge.lis 1-5)
set(refusal "Bridge file bridge.lis is not laid out as a geometry listing: the column header on page")
string(FIND "${program_output}" "${refusal}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "Ql2Cmb did not refuse the columns of the listing:\n${program_output}")
endif()
file(READ ${WORK}/project/bridge.CMB kept)
if(NOT kept STREQUAL "an earlier camber input\n")
  message(FATAL_ERROR "Ql2Cmb replaced the earlier camber input")
endif()

run_program(${WORK}/geometry 1 ${BIN}/QlStFi bridge.lis 28)
run_program(${WORK}/project 1 ${BIN}/QlStFi bridge.lis 28)
foreach(name bridge.DQ bridge.DXF bridge.MOSS)
  read_without_run_lines(${WORK}/geometry/${name} expected)
  read_without_run_lines(${WORK}/project/${name} written)
  if(NOT written STREQUAL expected)
    message(FATAL_ERROR "QlStFi drew the project listing otherwise: ${name}")
  endif()
endforeach()
