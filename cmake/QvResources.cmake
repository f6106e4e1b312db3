# qv_add_resources(<target> RESOURCE <type> <name-or-number> <language> <file> [RESOURCE ...])
#
# Packs the listed files into one .res stream with the project's own qvres tool and links that
# stream into <target> as the allocated, read-only ELF section ".qvres" (it survives strip).
# <type> and a numeric <name> are decimal numbers; any other name is stored upper-case.
# <file> may be a generator expression such as $<TARGET_FILE:Quorvex>.
function(qv_add_resources target)
  set(args ${ARGN})
  set(pack_args)
  set(depends)
  while(args)
    list(POP_FRONT args keyword type name lang file)
    if(NOT keyword STREQUAL "RESOURCE" OR "${file}" STREQUAL "")
      message(FATAL_ERROR "qv_add_resources(${target}): expected RESOURCE <type> <name> <lang> <file>")
    endif()
    if(NOT IS_ABSOLUTE "${file}" AND NOT "${file}" MATCHES "^\\$<")
      set(file "${CMAKE_CURRENT_SOURCE_DIR}/${file}")
    endif()
    list(APPEND pack_args ${type} ${name} ${lang} "${file}")
    if("${file}" MATCHES "^\\$<TARGET_FILE:([^>]+)>$")
      list(APPEND depends ${CMAKE_MATCH_1})   # a target: rebuild when it is relinked
    else()
      list(APPEND depends "${file}")
    endif()
  endwhile()

  set(res "${CMAKE_CURRENT_BINARY_DIR}/${target}.qvres.res")
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/${target}.qvres.S")
  add_custom_command(OUTPUT "${res}"
    COMMAND qvres pack "${res}" ${pack_args}
    DEPENDS qvres ${depends}
    COMMENT "Packing built-in resources of ${target}"
    VERBATIM)
  file(WRITE "${asm}.in"
"    .section .qvres,\"a\",@progbits
    .balign 4
    .globl qv_builtin_res_begin
    .hidden qv_builtin_res_begin
qv_builtin_res_begin:
    .incbin \"${res}\"
    .globl qv_builtin_res_end
    .hidden qv_builtin_res_end
qv_builtin_res_end:
    .section .note.GNU-stack,\"\",@progbits
")
  configure_file("${asm}.in" "${asm}" COPYONLY)
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${res}")
  target_sources(${target} PRIVATE "${asm}")
endfunction()
