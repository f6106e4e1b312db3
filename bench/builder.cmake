# The builder with a project of 1,000 icons: opening it (rows and thumbnails) against loading the
# icon files alone, saving it against writing its files with plain writes.
if(TARGET qvbuilder)
  qv_add_bench(bench_builder
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BuilderBench.cpp
    LIBS qvbuilder qvbuilderres)
  add_dependencies(bench_builder builder_templates)
endif()
