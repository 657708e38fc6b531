# Compiler and linker settings of the Windows libraries.

# i686 compilers default to x87 arithmetic, whose 80-bit intermediates round
# differently from the float and double steps the gain rules are written for;
# SSE2 arithmetic (the x86-64 compilers' default) gives the same samples as the
# 64-bit Linux build.
if (CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options (-msse2 -mfpmath=sse)
endif()

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

# Gives a library of the plug-in the version resource (the plug-in's numbers and
# names) and the manifest that runs it at its invoker's level.
function (velorin_windows_version_resource target)
    set (windowsSources "${PROJECT_SOURCE_DIR}/plugin/windows")
    set (VELORIN_MANIFEST_FILE "${windowsSources}/Velorin.manifest")
    set (resource "${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc")
    configure_file ("${windowsSources}/VersionResource.rc.in" "${resource}" @ONLY)
    target_sources (${target} PRIVATE "${resource}")
    set_property (SOURCE "${resource}" TARGET_DIRECTORY ${target} APPEND PROPERTY OBJECT_DEPENDS "${VELORIN_MANIFEST_FILE}")
endfunction()
