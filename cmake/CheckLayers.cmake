# The source folders stand in layers, and a file includes only its own layer
# and those below it:
#   platform < state < records < engine, board < challenges/base
#   < challenges/short, challenges/action, challenges/mind < shell, competitions < app
# Screens of the same layer or above reach each other through the routes and
# the launch catalogue that app/ fills in.
# Run as: cmake -DSRC=<src folder> -P CheckLayers.cmake
set(LAYERS
    "platform=0" "state=1" "records=2" "engine=3" "board=3" "challenges/base=4"
    "challenges/short=5" "challenges/action=5" "challenges/mind=5"
    "shell=6" "competitions=6" "app=7")

# The layer of a path under src/ ("board/frmRuota.h"); -1 when no layer holds it.
function(layer_of path out)
    set(best -1)
    set(best_len 0)
    foreach(entry IN LISTS LAYERS)
        string(REPLACE "=" ";" pair "${entry}")
        list(GET pair 0 folder)
        list(GET pair 1 level)
        string(LENGTH "${folder}/" len)
        string(SUBSTRING "${path}" 0 ${len} head)
        if(head STREQUAL "${folder}/" AND len GREATER best_len)
            set(best ${level})
            set(best_len ${len})
        endif()
    endforeach()
    set(${out} ${best} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
    layer_of("${file}" own)
    if(own EQUAL -1)
        list(APPEND faults "${file}: its folder has no layer (add it to cmake/CheckLayers.cmake)")
        continue()
    endif()
    file(STRINGS "${SRC}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" included "${line}")
        if(NOT included MATCHES "/")
            continue()   # a generated file or one beside it
        endif()
        layer_of("${included}" theirs)
        if(theirs EQUAL -1)
            continue()   # not one of ours
        endif()
        if(theirs GREATER own)
            list(APPEND faults "${file}: includes ${included}, a layer above its own")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" report)
    message(FATAL_ERROR "Includes against the layers:\n${report}")
endif()
list(LENGTH files n)
message(STATUS "Layers hold: ${n} files checked")
