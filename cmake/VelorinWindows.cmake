# Compiler and linker settings of the 32-bit Windows library.

# i686 compilers default to x87 arithmetic, whose 80-bit intermediates round
# differently from the float and double steps the gain rules are written for;
# SSE2 arithmetic gives the same samples as the 64-bit Linux build.
add_compile_options (-msse2 -mfpmath=sse)

# No MinGW runtime DLLs beside the library, and no link time in the file, so that
# building the same sources twice gives the same bytes.
add_link_options (-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

add_compile_definitions (_WIN32_WINNT=0x0601 WINVER=0x0601)

# The framework compiles __DATE__ and __TIME__ into the library: they are taken
# from the time of the commit being built, not from the clock.
execute_process (COMMAND git -C "${PROJECT_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE velorinSourceDate OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if (NOT velorinSourceDate)
    set (velorinSourceDate 0)
endif()

foreach (language C CXX)
    set (CMAKE_${language}_COMPILER_LAUNCHER "${CMAKE_COMMAND}" -E env "SOURCE_DATE_EPOCH=${velorinSourceDate}" ${VELORIN_CCACHE})
endforeach()

enable_language (RC)
