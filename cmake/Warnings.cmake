# Warnings for our own targets only; Qt's headers come in as system headers.
function(zolmera_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
        -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
    if(ZOLMERA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
