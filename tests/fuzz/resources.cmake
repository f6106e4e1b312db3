# The overlay and .res readers, and the ELF section finder, on arbitrary bytes.
qv_add_fuzzer(fuzz_resources
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FuzzResources.cpp
  LIBS qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/resources ${PROJECT_SOURCE_DIR}/tests/data/invalid/resources)
