# The song-file fuzz target, built only with clang (libFuzzer) and never run by
# ctest: configure a separate build with -DCMAKE_CXX_COMPILER=clang++ and build
# the target songfile_fuzz. The code under test is compiled into it directly so
# that it is instrumented.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_executable(songfile_fuzz EXCLUDE_FROM_ALL
    ${CMAKE_CURRENT_LIST_DIR}/songfile_fuzz.cpp
    ${PROJECT_SOURCE_DIR}/tracker/songfile.cpp
    ${PROJECT_SOURCE_DIR}/tracker/codec.cpp
    ${PROJECT_SOURCE_DIR}/framework/files/paths.cpp
    ${PROJECT_SOURCE_DIR}/framework/files/stream.cpp
    ${PROJECT_SOURCE_DIR}/framework/files/data_buffer.cpp
    ${PROJECT_SOURCE_DIR}/runtime/string.cpp
    ${PROJECT_SOURCE_DIR}/runtime/error.cpp)
  target_include_directories(songfile_fuzz PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(songfile_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
  target_link_options(songfile_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(songfile_fuzz PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endif()
