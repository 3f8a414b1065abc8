# Our own code builds with warnings as errors; third-party headers come in as
# system includes and are not affected.
function(pellwick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
