# Loading a 10 MB read-me as a Unicode list against reading its bytes, and writing a settings file
# key by key against writing its bytes as often.
qv_add_bench(bench_text
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextBench.cpp
  LIBS qvplatform)
