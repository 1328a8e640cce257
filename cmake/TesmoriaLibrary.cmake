# tesmoria_library(NAME DEPENDS...): one static library per source folder,
# built from every .cpp in it (optionally excluding some), so adding a file
# needs no CMake edit. The engine and what it stands on link on their own;
# the program's folders reach the global objects of app/, so the program
# links them all as one group through tesmoria_game.
function(tesmoria_library name)
  cmake_parse_arguments(L "" "" "EXCLUDE;DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(ex ${L_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "/${ex}$")
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC ${L_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY TESMORIA_LIBS ${name})
endfunction()

# Makes tesmoria_game: every game library, resolved as one link group.
function(tesmoria_game_target)
  get_property(libs GLOBAL PROPERTY TESMORIA_LIBS)
  list(REMOVE_ITEM libs tesmoria_platform)
  string(REPLACE ";" "," joined "${libs}")
  add_library(tesmoria_game INTERFACE)
  if(libs)
    target_link_libraries(tesmoria_game INTERFACE "$<LINK_GROUP:RESCAN,${joined}>" tesmoria_platform)
  else()
    target_link_libraries(tesmoria_game INTERFACE tesmoria_platform)
  endif()
endfunction()

# tesmoria_program(NAME SOURCES... LIBS libs...): a program placed in the
# game folder.
function(tesmoria_program name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${P_SOURCES})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${GAME_DIR})
endfunction()

# tesmoria_tests(NAME LIBS...): one GoogleTest program from every .cpp in the
# current test folder. Tests run headless on SDL's dummy drivers.
function(tesmoria_tests name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TESMORIA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TESMORIA_GAME_DIR="${GAME_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endfunction()
