# Writes the COMMANDS section of the tolvane-cli manual page (help2man's
# include format): every command named in "tolvane-cli --help", each with the
# text of "tolvane-cli COMMAND --help".
#   cmake -DCLI=<tolvane-cli> -DOUTPUT=<file> -P CliCommandsSection.cmake

function(run_help out)
    execute_process(COMMAND ${CLI} ${ARGN} --help
        OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${CLI} ${ARGN} --help failed: ${status}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Plain text as roff: backslashes escaped, no line read as a request.
function(as_roff out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

run_help(overview)
# The command list: "Commands:" up to the first empty line, one command a
# line, indented by two spaces (continuation lines are indented further).
string(REGEX MATCH "\nCommands:\n([^\n]+\n)+" listing "${overview}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" names "${listing}")
if(NOT names)
    message(FATAL_ERROR "no commands found in the help of ${CLI}")
endif()

set(section "[COMMANDS]\n")
foreach(name ${names})
    string(STRIP "${name}" name)
    run_help(text ${name})
    as_roff(text "${text}")
    string(APPEND section ".SS ${name}\n.nf\n${text}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${section}")
