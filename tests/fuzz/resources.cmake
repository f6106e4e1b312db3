# The overlay and .res readers, and the ELF section finder, on arbitrary bytes. The readers live
# in qvplatform, so that library is built with coverage for the fuzzer to steer by.
target_compile_options(qvplatform PRIVATE -fsanitize=fuzzer-no-link)
qv_add_fuzzer(fuzz_resources
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FuzzResources.cpp
  LIBS qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/resources ${PROJECT_SOURCE_DIR}/tests/data/invalid/resources)
