# Included from the top before the source folders when TESMORIA_FUZZ is on:
# every game library gets the fuzzer's coverage hooks and the sanitizers, so
# the fuzzers see into the code under test and stop at the first fault.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
