# libFuzzer targets, built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, and
# the tests that run them. A fuzzer is a project of its own in a folder "fuzz" beside the code
# it fuzzes, because it needs clang while the rest of the native build uses the default compiler.
set(ORVANE_REPOSITORY "${CMAKE_CURRENT_LIST_DIR}/..")

# In a fuzzer's project: the fuzzer `name` from `source` and the product's sources after it,
# named from the repository's top.
function(orvane_fuzzer name source)
  list(TRANSFORM ARGN PREPEND "${ORVANE_REPOSITORY}/")
  add_executable(${name} ${source} ${ARGN})
  set_target_properties(${name} PROPERTIES CXX_STANDARD 17 CXX_STANDARD_REQUIRED ON)
  target_include_directories(${name} PRIVATE "${ORVANE_REPOSITORY}")
  set(sanitizers -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_compile_options(${name} PRIVATE ${sanitizers} -g -O1)
  target_link_options(${name} PRIVATE ${sanitizers})
endfunction()

# In the native build: builds the project in `folder` and runs its fuzzer `name` for `seconds`
# as the test fuzz.<name> (label "fuzz") over the corpus in the folder and the inputs it found
# before, which it keeps in the build folder; a file <name>.dict in the folder guides it, and
# files given after the length join its inputs from the start.
function(orvane_fuzz_test name folder seconds max_len)
  find_program(ORVANE_CLANG NAMES clang++ clang++-14 REQUIRED)
  include(ExternalProject)
  set(fuzz_build "${CMAKE_BINARY_DIR}/fuzz/${name}")
  ExternalProject_Add(${name}_fuzzer_build
    SOURCE_DIR "${folder}"
    BINARY_DIR "${fuzz_build}"
    CMAKE_ARGS "-DCMAKE_CXX_COMPILER=${ORVANE_CLANG}" "-DCMAKE_BUILD_TYPE=RelWithDebInfo"
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
  file(MAKE_DIRECTORY "${fuzz_build}/corpus" "${fuzz_build}/crashes")
  if(ARGN)
    file(COPY ${ARGN} DESTINATION "${fuzz_build}/corpus")
  endif()
  set(dictionary)
  if(EXISTS "${folder}/${name}.dict")
    set(dictionary "-dict=${folder}/${name}.dict")
  endif()
  add_test(NAME fuzz.${name}
    COMMAND "${fuzz_build}/${name}_fuzzer"
      -max_total_time=${seconds} -timeout=5 -max_len=${max_len} -rss_limit_mb=2048 ${dictionary}
      "-artifact_prefix=${fuzz_build}/crashes/" "${fuzz_build}/corpus" "${folder}/corpus")
  set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 120)
endfunction()
