# Runs the artwork generator into an empty directory and requires every file it
# writes to equal, byte for byte, the committed file of the same name, and
# every committed image to be among them. The committed font must equal the
# Debian package's file it was copied from.
#
# Arguments: GENERATOR, RESOURCES, OUTPUT, DEBIAN_ROBOTO.

file (REMOVE_RECURSE "${OUTPUT}")
file (MAKE_DIRECTORY "${OUTPUT}")

execute_process (COMMAND "${GENERATOR}" "${OUTPUT}"
    RESULT_VARIABLE status
    OUTPUT_QUIET)

if (NOT status EQUAL 0)
    message (FATAL_ERROR "The artwork generator failed (${status})")
endif()

file (GLOB generated RELATIVE "${OUTPUT}" "${OUTPUT}/*")
file (GLOB committed RELATIVE "${RESOURCES}" "${RESOURCES}/*.png" "${RESOURCES}/*.jpg")
list (SORT generated)
list (SORT committed)

if (NOT generated STREQUAL committed)
    message (FATAL_ERROR "Generated files:\n  ${generated}\ndiffer from the committed images:\n  ${committed}")
endif()

set (stale)

foreach (name IN LISTS generated)
    execute_process (COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/${name}" "${RESOURCES}/${name}"
        RESULT_VARIABLE different)

    if (different)
        list (APPEND stale "${name}")
    endif()
endforeach()

if (stale)
    message (FATAL_ERROR "Regenerating changes these committed images: ${stale}\n"
                         "Run `ninja -C <build> velorin-artwork-regenerate` and commit the result.")
endif()

if (EXISTS "${DEBIAN_ROBOTO}")
    execute_process (COMMAND "${CMAKE_COMMAND}" -E compare_files "${DEBIAN_ROBOTO}" "${RESOURCES}/RobotoRegular.ttf"
        RESULT_VARIABLE different)

    if (different)
        message (FATAL_ERROR "resources/RobotoRegular.ttf differs from ${DEBIAN_ROBOTO}")
    endif()
else()
    message (STATUS "${DEBIAN_ROBOTO} is not installed: the font's origin is not checked")
endif()

list (LENGTH generated count)
message (STATUS "All ${count} regenerated images equal the committed ones")
