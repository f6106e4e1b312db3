# Adding 10,000 resources of about 2 KB to a program (begin, updates, end) against writing the
# same number of bytes with one plain write.
qv_add_bench(bench_resources
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/BenchResources.cpp
  LIBS qvplatform)
