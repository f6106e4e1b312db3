# Strict warnings for the project's own targets only (Qt and system headers stay quiet).
function(qv_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
