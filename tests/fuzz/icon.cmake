# The icon container's stream reader and the bitmap file reader, seeded with the icon test files.
qv_add_fuzzer(fuzz_icon_load
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzIconLoad.cpp
  LIBS qvicon
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/icon ${PROJECT_SOURCE_DIR}/tests/data/invalid/icon)
qv_add_fuzzer(fuzz_bmp_load
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzBmpLoad.cpp
  LIBS qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/icon ${PROJECT_SOURCE_DIR}/tests/data/invalid/icon)
# The icon container reading groups and images in place from the module resources.
qv_add_fuzzer(fuzz_icon_resources
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzIconResources.cpp
  LIBS qvrescmd qvicon qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/icon)
