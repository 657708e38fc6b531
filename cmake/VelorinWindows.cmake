# Compiler and linker settings of the 32-bit Windows library.

# i686 compilers default to x87 arithmetic, whose 80-bit intermediates round
# differently from the float and double steps the gain rules are written for;
# SSE2 arithmetic gives the same samples as the 64-bit Linux build.
add_compile_options (-msse2 -mfpmath=sse)

# No MinGW runtime DLLs beside the library, and no link time in the file, so that
# building the same sources twice gives the same bytes.
add_link_options (-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)

add_compile_definitions (_WIN32_WINNT=0x0601 WINVER=0x0601)

enable_language (RC)
