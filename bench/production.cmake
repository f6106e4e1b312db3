# A build from the builder of a 500-icon project (temporary save, library load, CompilePackage,
# unload) against the quorcomp command on the same saved project.
if(TARGET qvbuilder)
  qv_add_bench(bench_production
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProductionBench.cpp
    LIBS qvbuilder qvbuilderres)
  add_dependencies(bench_production builder_templates quorcomp quorcomp_cli)
endif()
