# ctest script: the objects of one instruction set (OBJECTS, a list; SET, the set's name) define
# no global symbol outside their set's namespace and no weak one. A weak symbol is an inline
# function or template instance (one of the standard library's, say) whose copy the linker may keep
# for the whole program, so that code compiled for AVX2 would run where the processor lacks it.
# Usage: cmake -DNM=<nm> -DSET=<set> -DOBJECTS=<objects> -P CheckKernelSymbols.cmake

set(failures 0)
foreach(object IN LISTS OBJECTS)
    execute_process(COMMAND "${NM}" --defined-only --extern-only --demangle "${object}"
                    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(SEND_ERROR "${NM} failed on ${object}")
        math(EXPR failures "${failures} + 1")
        continue()
    endif()
    string(REPLACE "\n" ";" lines "${symbols}")
    set(entries 0)
    foreach(line IN LISTS lines)
        if(line STREQUAL "")
            continue()
        endif()
        # "<address> <type> <name>"
        if(NOT line MATCHES "^[0-9a-fA-F]+ ([A-Za-z]) (.*)$")
            continue()
        endif()
        set(type "${CMAKE_MATCH_1}")
        set(name "${CMAKE_MATCH_2}")
        if(type MATCHES "^[TDBR]$" AND name MATCHES "::${SET}::")
            math(EXPR entries "${entries} + 1")
        elseif(name MATCHES "^DW\\.ref\\.")
            # The compiler's pointer to the exception personality routine: data, not code.
        else()
            message(SEND_ERROR "${object}: ${type} ${name} is not an entry point of the ${SET} set")
            math(EXPR failures "${failures} + 1")
        endif()
    endforeach()
    if(entries EQUAL 0)
        message(SEND_ERROR "${object}: no ${SET} entry point")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()
if(failures GREATER 0)
    message(FATAL_ERROR "${failures} symbol(s) out of place in the ${SET} kernels")
endif()
message(STATUS "${SET} kernels: entry points only")
