# The builder's language page: switching the shown language in a project of 20 languages against
# setting the page's fields directly.
if(TARGET qvbuilder)
  qv_add_bench(bench_language
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LanguageSwitchBench.cpp
    LIBS qvbuilder qvbuilderres)
  add_dependencies(bench_language builder_templates)
endif()
