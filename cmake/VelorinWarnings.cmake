# Warning policy: the project's own sources build with strict warnings as errors;
# JUCE's module sources, compiled inside the same targets, keep JUCE's own flags.

set (VELORIN_WARNING_FLAGS
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wunused -Wconversion -Wsign-conversion -Wdouble-promotion
    -Wformat=2
    # Wide vectors pass between internal functions only, never across an interface.
    -Wno-psabi)

# The per-sample gain rules rely on exact float and double rounding points;
# a fused multiply-add would change the last bit, so contraction stays off everywhere.
add_compile_options (-ffp-contract=off)

# Applies the strict flags to the given source files of the plug-in's shared-code
# target only, whichever directory lists them.
# JUCE's headers are read as system headers there, so that the strict flags judge
# the project's code and not the framework's.
function (velorin_strict_sources)
    set_source_files_properties (${ARGN} TARGET_DIRECTORY Velorin
        PROPERTIES COMPILE_OPTIONS "-isystem;${JUCE_MODULES_DIR};${VELORIN_WARNING_FLAGS}")
endfunction()

# Applies the strict flags to a whole target that contains only the project's own code.
function (velorin_strict_target target)
    target_compile_options (${target} PRIVATE ${VELORIN_WARNING_FLAGS})

    if (JUCE_MODULES_DIR)
        target_compile_options (${target} PRIVATE -isystem "${JUCE_MODULES_DIR}")
    endif()
endfunction()
