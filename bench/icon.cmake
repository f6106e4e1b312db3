# Drawing an icon image and turning images into bitmaps, each against its plain-copy baseline.
qv_add_bench(bench_icon
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/IconBench.cpp ${PROJECT_SOURCE_DIR}/tests/icon/IconTestFiles.cpp
  LIBS qvicon)
target_include_directories(bench_icon PRIVATE ${PROJECT_SOURCE_DIR}/tests/icon)
target_compile_definitions(bench_icon PRIVATE QV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
