# Runs one scripted game session: copies the game folder to a fresh temporary
# folder, applies the script's set-up lines, runs the program headless with
# the script and checks how it ended. Set-up lines in the script:
#   #! remove PATH          delete a file from the copy before the run
#   #! copy SOURCE PATH     copy a file of the source tree into the copy
#   #! expect-exit N        the exit status expected (default 0)
#   #! expect-output REGEX  text the program must print (stdout or stderr)
#   #! mkdir PATH           make a folder in the copy (a folder where a file
#                           should be)
#   #! symlink TARGET PATH  make PATH a symbolic link to TARGET (a link to
#                           itself is a file that exists but cannot be read)
#   #! truncate PATH N      cut a file of the copy to N bytes, or to half its
#                           length with "half"
#   #! keep PATH            the file must come out of the run byte for byte
#                           as it went in
#   #! gone PATH            the file must not be there after the run
#   #! fsize-limit N        run with a file-size limit of N bytes (ulimit -f)
#   #! python SCRIPT ARGS   run a Python script of the source tree in the copy

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
set(expect_output "")
set(kept "")
set(gone "")
set(launcher "")
file(MAKE_DIRECTORY ${work}.kept)
file(STRINGS ${SCRIPT} lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^#! *remove +(.+)$")
    file(REMOVE ${work}/${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *mkdir +(.+)$")
    file(MAKE_DIRECTORY ${work}/${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *symlink +([^ ]+) +(.+)$")
    file(CREATE_LINK ${CMAKE_MATCH_1} ${work}/${CMAKE_MATCH_2} SYMBOLIC)
  elseif(line MATCHES "^#! *truncate +([^ ]+) +([a-z0-9]+)$")
    set(target ${work}/${CMAKE_MATCH_1})
    set(size ${CMAKE_MATCH_2})
    if(size STREQUAL "half")
      file(SIZE ${target} full)
      math(EXPR size "${full} / 2")
    endif()
    execute_process(COMMAND truncate -s ${size} ${target} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "cannot truncate ${target}")
    endif()
  elseif(line MATCHES "^#! *keep +(.+)$")
    list(APPEND kept ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *gone +(.+)$")
    list(APPEND gone ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *python +([^ ]+)(.*)$")
    separate_arguments(args UNIX_COMMAND "${CMAKE_MATCH_2}")
    execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/${CMAKE_MATCH_1} ${args} WORKING_DIRECTORY ${work}
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "${CMAKE_MATCH_1} failed")
    endif()
  elseif(line MATCHES "^#! *fsize-limit +([0-9]+)$")
    set(launcher prlimit --fsize=${CMAKE_MATCH_1} --)
  elseif(line MATCHES "^#! *copy +([^ ]+) +(.+)$")
    configure_file(${SOURCE_DIR}/${CMAKE_MATCH_1} ${work}/${CMAKE_MATCH_2} COPYONLY)
  elseif(line MATCHES "^#! *expect-exit +([0-9]+)")
    set(expect_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *expect-output +(.+)$")
    list(APPEND expect_output "${CMAKE_MATCH_1}")
  endif()
endforeach()

# The files to keep are copied aside once every set-up line has run.
foreach(path IN LISTS kept)
  string(MAKE_C_IDENTIFIER ${path} id)
  configure_file(${work}/${path} ${work}.kept/${id} COPYONLY)
endforeach()

execute_process(COMMAND ${launcher} ${work}/${program_name} --headless --script ${SCRIPT}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 100)
message("${out}${err}")
if(NOT "${rc}" STREQUAL "${expect_exit}")
  message(FATAL_ERROR "exit status ${rc}, expected ${expect_exit} (game folder kept in ${work})")
endif()
foreach(pattern IN LISTS expect_output)
  if(NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "output does not match: ${pattern} (game folder kept in ${work})")
  endif()
endforeach()
foreach(path IN LISTS kept)
  string(MAKE_C_IDENTIFIER ${path} id)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/${path} ${work}.kept/${id} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${path} was changed or lost (game folder kept in ${work})")
  endif()
endforeach()
foreach(path IN LISTS gone)
  if(EXISTS ${work}/${path})
    message(FATAL_ERROR "${path} is still there (game folder kept in ${work})")
  endif()
endforeach()
file(REMOVE_RECURSE ${work} ${work}.kept)
