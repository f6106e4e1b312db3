# Adding 500 icon files to the builder's list through the drop handler (rows and thumbnails)
# against loading the same files into icon containers alone.
if(TARGET qvbuilder)
  qv_add_bench(bench_iconlist
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/IconListBench.cpp
    LIBS qvbuilder qvbuilderres)
  add_dependencies(bench_iconlist builder_templates)
endif()
