qv_add_bench(bench_compiler SOURCES ${CMAKE_CURRENT_LIST_DIR}/CompilePackageBench.cpp LIBS quorcomp qvplatform)
add_dependencies(bench_compiler ${QV_PACKAGE_RUNTIME})
