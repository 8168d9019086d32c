# Our own targets build with every warning as an error.
function(px_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

if(PX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
