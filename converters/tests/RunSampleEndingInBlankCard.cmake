# A deck that ends in an empty line, as many text editors leave it: the
# engine (ENGINE, QlEngl or QlMetr) lists the blank card's box on a last page
# of its own, and Ql2Cmb and QlStFi must read that listing as they read the
# listing of the deck without the empty line, giving the same files. Both
# with the roadway approaches of the sample's 08 card between the girder
# tables and that page, and without them (the sample less its 08 card).
#
#   cmake -DBIN=<folder of the programs> -DENGINE=QlEngl -DDECK=samples/bridge.dat
#         -DWORK=... -P RunSampleEndingInBlankCard.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ProgramSteps.cmake)
file(REMOVE_RECURSE ${WORK})
file(READ ${DECK} sample)
string(REGEX REPLACE "(^|\n)08[^\n]*" "" without_approaches "${sample}")
if(without_approaches STREQUAL sample)
  message(FATAL_ERROR "${DECK} has no 08 card")
endif()

# The deck's files: the listing, camber input for girders 1-5 and all three
# stick-figure files, in a folder of their own (the same file names in each).
function(convert folder deck)
  file(MAKE_DIRECTORY ${folder})
  file(WRITE ${folder}/bridge.dat "${deck}")
  run_program(${folder} 0 ${BIN}/${ENGINE} bridge.dat bridge.lis)
  run_program(${folder} 1 ${BIN}/Ql2Cmb bridge.lis 1-5)
  run_program(${folder} 1 ${BIN}/QlStFi bridge.lis 28)
endfunction()

foreach(variant sample without_approaches)
  set(deck "${${variant}}")
  set(plain ${WORK}/${variant}/plain)
  set(ending ${WORK}/${variant}/ending-in-an-empty-line)
  convert(${plain} "${deck}")
  convert(${ending} "${deck}\n")
  file(STRINGS ${ending}/bridge.lis heading REGEX "STRUCTURE ID:  [^ ].*\\(2\\)")
  if(NOT heading)
    message(FATAL_ERROR "${ENGINE} listed no page of the blank card for ${variant}")
  endif()
  foreach(name bridge.CMB bridge.DQ bridge.DXF bridge.MOSS)
    read_without_run_lines(${plain}/${name} expected)
    read_without_run_lines(${ending}/${name} written)
    if(NOT written STREQUAL expected)
      message(FATAL_ERROR "${ending}/${name} differs from ${plain}/${name}")
    endif()
  endforeach()
endforeach()
