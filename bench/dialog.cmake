if(QV_GUI)
  qv_add_bench(bench_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageDlgBench.cpp LIBS qvcommonui)
  # Temporary, until the module resource layer lands: QV_DEV_STUB names a stand-in for it.
  if(QV_DEV_STUB)
    target_sources(bench_dialog PRIVATE ${QV_DEV_STUB})
  endif()
endif()
