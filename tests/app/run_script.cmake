# Runs one scripted game session: copies the game folder to a fresh temporary
# folder, applies the script's set-up lines, runs the program headless with
# the script and checks how it ended. Set-up lines in the script:
#   #! remove PATH          delete a file from the copy before the run
#   #! copy SOURCE PATH     copy a file of the source tree into the copy
#   #! expect-exit N        the exit status expected (default 0)
#   #! expect-output REGEX  text the program must print (stdout or stderr)
#   #! timeout SECONDS       how long the run may take (default 100)

execute_process(COMMAND mktemp -d /tmp/tesmoria-script-XXXXXX OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot make a temporary folder")
endif()
file(COPY ${GAME_DIR}/ DESTINATION ${work})
get_filename_component(program_name ${PROGRAM} NAME)

# Pictures the art generators have not made (yet) are stood in for by plain
# ones of the right size, so the run does not depend on their progress.
execute_process(COMMAND ${PYTHON} ${MAKE_GFX} ${work}/gfx RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot make the stand-in pictures")
endif()

# The same for the font pack: the game's font is the one asset it cannot
# start without.
if(NOT EXISTS ${work}/data1.dat)
  configure_file(${STAND_IN_FONT} ${work}/font.ttf COPYONLY)
  execute_process(COMMAND ${PACK_TOOL} build --key ${PACK_KEY} --compress ${work}/data1.dat ${work}/font.ttf
                  RESULT_VARIABLE rc OUTPUT_QUIET)
  file(REMOVE ${work}/font.ttf)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot make the stand-in font pack")
  endif()
endif()

set(expect_exit 0)
set(run_timeout 100)
set(expect_output "")
file(STRINGS ${SCRIPT} lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^#! *remove +(.+)$")
    file(REMOVE ${work}/${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *copy +([^ ]+) +([^ ]+)$")
    configure_file(${SOURCE_DIR}/${CMAKE_MATCH_1} ${work}/${CMAKE_MATCH_2} COPYONLY)
  elseif(line MATCHES "^#! *expect-exit +([0-9]+)")
    set(expect_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *timeout +([0-9]+)")
    set(run_timeout ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *expect-output +(.+)$")
    list(APPEND expect_output "${CMAKE_MATCH_1}")
  endif()
endforeach()

execute_process(COMMAND ${work}/${program_name} --headless --script ${SCRIPT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT ${run_timeout})
message("${out}${err}")
if(NOT "${rc}" STREQUAL "${expect_exit}")
  message(FATAL_ERROR "exit status ${rc}, expected ${expect_exit} (game folder kept in ${work})")
endif()
foreach(pattern IN LISTS expect_output)
  if(NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "output does not match: ${pattern} (game folder kept in ${work})")
  endif()
endforeach()
file(REMOVE_RECURSE ${work})
