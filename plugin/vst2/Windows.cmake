# The Windows VST libraries, each statically linked with a version resource and
# the manifest: Velorin_32bit.dll, with the ACF entry points of the AAX side
# beside the VST ones, and the 64-bit Velorin.dll with only the VST ones.
if (CMAKE_SIZEOF_VOID_P EQUAL 4)
    set_target_properties (Velorin_VST PROPERTIES OUTPUT_NAME "Velorin_32bit")
    target_sources (Velorin_VST PRIVATE "${PROJECT_SOURCE_DIR}/plugin/aax/AcfExports.cpp")
    velorin_strict_sources ("${PROJECT_SOURCE_DIR}/plugin/aax/AcfExports.cpp")
else()
    set_target_properties (Velorin_VST PROPERTIES OUTPUT_NAME "Velorin")
endif()

set_target_properties (Velorin_VST PROPERTIES PREFIX "" SUFFIX ".dll")
velorin_windows_version_resource (Velorin_VST)
