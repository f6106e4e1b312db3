# Readers of text that comes from outside: the Unicode and ANSI lists (every mark and code page),
# the INI parser and the version block. Their sources are compiled into the targets so that the
# fuzzer sees the readers' own branches, not only the harness.
set(qv_text_fuzz_sources
  ${PROJECT_SOURCE_DIR}/platform/CaseFold.cpp
  ${PROJECT_SOURCE_DIR}/platform/CodePage.cpp
  ${PROJECT_SOURCE_DIR}/platform/TIconvConverter.cpp
  ${PROJECT_SOURCE_DIR}/platform/TTextList.cpp)
qv_add_fuzzer(fuzz_unicode_list
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzUnicodeList.cpp ${qv_text_fuzz_sources}
    ${PROJECT_SOURCE_DIR}/platform/TUnicodeStringList.cpp ${PROJECT_SOURCE_DIR}/platform/TAnsiStringList.cpp
  LIBS qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/text)
qv_add_fuzzer(fuzz_ini_document
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzIniDocument.cpp ${qv_text_fuzz_sources}
    ${PROJECT_SOURCE_DIR}/platform/TIniDocument.cpp
  LIBS qvplatform
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/text)
qv_add_fuzzer(fuzz_version_block
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzVersionBlock.cpp ${qv_text_fuzz_sources}
    ${PROJECT_SOURCE_DIR}/common/TVersionBlock.cpp ${PROJECT_SOURCE_DIR}/common/version.cpp
  LIBS qvcommon
  SEEDS ${PROJECT_SOURCE_DIR}/tests/data/valid/common)
