# What the converters' end-to-end scripts share (include() it).

# run_program(<folder> <expected status> <command> [args...]): runs the
# command in the folder and fails the test, with its output, on any other
# exit status; the console text is left in program_output.
function(run_program folder expected)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${folder}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected)
    message(FATAL_ERROR "${ARGN} in ${folder}: exit status ${status}, expected ${expected}:\n${out}${err}")
  endif()
  set(program_output "${out}${err}" PARENT_SCOPE)
endfunction()

# read_without_run_lines(<path> <variable>): the file's text less the lines
# that tell the run itself (the DXF header's run time and listing path).
function(read_without_run_lines path variable)
  file(READ ${path} text)
  string(REGEX REPLACE "\n(TIME|BRIDGE FILE): [^\n]*" "" text "${text}")
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
