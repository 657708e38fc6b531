# Velorin_32bit.dll: the VST entry points, the ACF entry points of the AAX side,
# a version resource and the manifest, as one statically linked library.

set_target_properties (Velorin_VST PROPERTIES
    OUTPUT_NAME "Velorin_32bit"
    PREFIX ""
    SUFFIX ".dll")

target_sources (Velorin_VST PRIVATE "${PROJECT_SOURCE_DIR}/plugin/aax/AcfExports.cpp")
velorin_strict_sources ("${PROJECT_SOURCE_DIR}/plugin/aax/AcfExports.cpp")

# Names and ordinals of the nine exports.
set (exportsFile "${CMAKE_CURRENT_SOURCE_DIR}/Velorin_32bit.def")
target_link_options (Velorin_VST PRIVATE "${exportsFile}")
set_property (TARGET Velorin_VST APPEND PROPERTY LINK_DEPENDS "${exportsFile}")

# The version resource takes its numbers and names from the project.
set (VELORIN_MANIFEST_FILE "${CMAKE_CURRENT_SOURCE_DIR}/Velorin_32bit.manifest")
configure_file (Velorin_32bit.rc.in "${CMAKE_CURRENT_BINARY_DIR}/Velorin_32bit.rc" @ONLY)
target_sources (Velorin_VST PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/Velorin_32bit.rc")
set_property (SOURCE "${CMAKE_CURRENT_BINARY_DIR}/Velorin_32bit.rc" TARGET_DIRECTORY Velorin_VST
    APPEND PROPERTY OBJECT_DEPENDS "${VELORIN_MANIFEST_FILE}")
