# tesmoria_library(NAME DEPENDS...): one static library per source folder,
# built from every .cpp in it (optionally excluding some), so adding a file
# needs no CMake edit. DEPENDS names the libraries whose headers the folder
# includes.
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
endfunction()

# Makes tesmoria_game: the whole game but main(), which every program, test
# and tool links; each library brings the floors below it.
function(tesmoria_game_target)
  add_library(tesmoria_game INTERFACE)
  target_link_libraries(tesmoria_game INTERFACE tesmoria_app)
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
