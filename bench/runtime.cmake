# From process start to the viewer's window shown: a package of 2,000 icons against one of 1.
# The packages are real viewers, so this needs the Qt build; the projects come from the tests'
# shared fixtures.
if(QV_GUI AND TARGET qv_test_support)
  qv_add_bench(bench_runtime SOURCES ${CMAKE_CURRENT_LIST_DIR}/ViewerStartBench.cpp
    LIBS quorcomp qv_test_support qvplatform)
  add_dependencies(bench_runtime Quorvex)
endif()
# Copying every icon of a 2,000-icon package into an empty folder with the viewer's copy worker,
# against writing the same bytes into as many files with plain writes.
if(QV_GUI AND TARGET qv_test_support)
  qv_add_bench(bench_copy_icons SOURCES ${CMAKE_CURRENT_LIST_DIR}/CopyIconsBench.cpp
    LIBS qvruntime quorcomp qv_test_support qvplatform)
  add_dependencies(bench_copy_icons Quorvex)
endif()
