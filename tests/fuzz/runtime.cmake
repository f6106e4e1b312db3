# The viewer's readers of package texts: the package information's key rules and the read-me's
# link detection.
qv_add_fuzzer(fuzz_package_info
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzPackageInfo.cpp
  LIBS qvruntimecore
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/runtime)
