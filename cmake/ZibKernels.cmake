# Vector kernels. The program runs on any x86-64 processor, so nothing is built for a wider
# instruction set than the baseline except the kernels: each kernel source is written once and
# compiled once per set below, into objects of their own, and fft::usableSimd() picks the set the
# processor runs when the kernel is called.
#
#   sse2   the x86-64 baseline: two doubles, four floats or eight 16-bit integers per vector
#   avx2   AVX2 with FMA (-mavx2 -mfma): twice as wide, with fused multiply-adds
#
# zib_vector_kernels(<target> <source>...) adds the sources to <target>, once per set, with
# ZIB_KERNEL_SET defined to the set's name: the namespace of the entry points each compilation
# defines (for example fft::kernels::avx2::runSweeps), declared once per set in the kernel's
# header. Those objects see the project root and no Qt include directory: only plain data and the
# compiler's intrinsics cross into them, so no inline function compiled for AVX2 can be chosen by
# the linker for code that runs without it (tests/CMakeLists.txt checks their symbols).

set(ZIB_KERNEL_SETS sse2 avx2)
set(ZIB_KERNEL_FLAGS_sse2 "")
set(ZIB_KERNEL_FLAGS_avx2 -mavx2 -mfma)

function(zib_vector_kernels target)
    if(NOT CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|amd64")
        message(FATAL_ERROR "the vector kernels of ${target} are written for x86-64 processors")
    endif()
    foreach(set IN LISTS ZIB_KERNEL_SETS)
        set(objects ${target}_kernels_${set})
        add_library(${objects} OBJECT ${ARGN})
        set_target_properties(${objects} PROPERTIES AUTOMOC OFF)
        target_include_directories(${objects} PRIVATE "${PROJECT_SOURCE_DIR}")
        target_compile_definitions(${objects} PRIVATE ZIB_KERNEL_SET=${set})
        target_compile_options(${objects} PRIVATE ${ZIB_KERNEL_FLAGS_${set}})
        target_sources(${target} PRIVATE $<TARGET_OBJECTS:${objects}>)
        set_property(GLOBAL APPEND PROPERTY ZIB_KERNEL_OBJECTS ${objects})
    endforeach()
endfunction()

# One test per set of kernel objects: they define their set's entry points and nothing else
# (cmake/CheckKernelSymbols.cmake). Called once every kernel is declared.
function(zib_kernel_symbol_tests)
    get_property(libraries GLOBAL PROPERTY ZIB_KERNEL_OBJECTS)
    foreach(objects IN LISTS libraries)
        string(REGEX REPLACE ".*_kernels_" "" set "${objects}")
        add_test(NAME tst_symbols_${objects}
                 COMMAND "${CMAKE_COMMAND}" "-DNM=${CMAKE_NM}" "-DSET=${set}"
                         "-DOBJECTS=$<TARGET_OBJECTS:${objects}>"
                         -P "${PROJECT_SOURCE_DIR}/cmake/CheckKernelSymbols.cmake")
    endforeach()
endfunction()
