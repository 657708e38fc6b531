# Debian's JUCE for the Windows builds.
#
# Debian's package config refuses a 32-bit consumer and points at the installed
# modules, so the build reads the same CMake support files directly and adds the
# modules from a copy in the build tree. The copy differs from the installed
# modules in one line: on 32-bit MinGW, JUCE 7.0.5's COM smart pointer takes its
# own __uuidof fallback, which yields null interface ids (the graphics factory
# cannot be created and the editor fails to open); the compiler's own __uuidof
# is right there.

set (velorinDebianJuce /usr/lib/x86_64-linux-gnu/cmake/JUCE-7.0.5)
set (velorinInstalledJuceModules /usr/share/juce/modules)
set (velorinComSmartPtr juce_core/native/juce_win32_ComSmartPtr.h)

set (JUCE_MODULES_DIR "${CMAKE_BINARY_DIR}/juce-modules" CACHE INTERNAL "The path to JUCE modules")

file (COPY "${velorinInstalledJuceModules}/" DESTINATION "${JUCE_MODULES_DIR}"
    PATTERN "juce_win32_ComSmartPtr.h" EXCLUDE)

set (brokenCondition "#if (JUCE_MINGW && JUCE_32BIT) || (! defined (_MSC_VER) && ! defined (__uuidof))")
set (fixedCondition "#if ! defined (_MSC_VER) && ! defined (__uuidof)")

file (READ "${velorinInstalledJuceModules}/${velorinComSmartPtr}" installedText)
string (FIND "${installedText}" "${brokenCondition}" brokenAt)

if (brokenAt EQUAL -1)
    message (FATAL_ERROR "${velorinComSmartPtr} no longer has the line the Windows build changes: check whether the fix is still needed")
endif()

string (REPLACE "${brokenCondition}" "${fixedCondition}" fixedText "${installedText}")

# Written only when it changes, so that configuring again rebuilds nothing.
set (copiedComSmartPtr "${JUCE_MODULES_DIR}/${velorinComSmartPtr}")
set (copiedText "")
if (EXISTS "${copiedComSmartPtr}")
    file (READ "${copiedComSmartPtr}" copiedText)
endif()
if (NOT copiedText STREQUAL fixedText)
    file (WRITE "${copiedComSmartPtr}" "${fixedText}")
endif()

include ("${velorinDebianJuce}/JUCEModuleSupport.cmake")
include ("${velorinDebianJuce}/JUCEUtils.cmake")

# The build tool runs on the build machine.
add_executable (juce::juceaide IMPORTED)
set_target_properties (juce::juceaide PROPERTIES IMPORTED_LOCATION /usr/lib/x86_64-linux-gnu/juce/juceaide)

foreach (module
    juce_audio_basics juce_audio_devices juce_audio_formats juce_audio_plugin_client
    juce_audio_processors juce_audio_utils juce_core juce_cryptography juce_data_structures
    juce_dsp juce_events juce_graphics juce_gui_basics juce_gui_extra juce_opengl juce_osc)
    juce_add_module ("${JUCE_MODULES_DIR}/${module}" ALIAS_NAMESPACE juce)
endforeach()

# Debian's modules use the system's zlib, libpng and libjpeg instead of bundled
# copies: for mingw they are libz-mingw-w64-dev and the static libraries that
# tools/setup-windows.sh builds from Debian's source packages.
string (REGEX MATCH "^[^-]+" velorinMingwCpu "${velorinMingw}")
set (VELORIN_MINGW_PREFIX "/opt/velorin/mingw-${velorinMingwCpu}" CACHE PATH "Where tools/setup-windows.sh put the mingw libpng and libjpeg")

add_library (velorin_mingw_image_libraries INTERFACE)
target_include_directories (velorin_mingw_image_libraries SYSTEM INTERFACE "${VELORIN_MINGW_PREFIX}/include")
target_link_libraries (velorin_mingw_image_libraries INTERFACE
    "${VELORIN_MINGW_PREFIX}/lib/libpng16.a"
    "${VELORIN_MINGW_PREFIX}/lib/libjpeg.a"
    "${CMAKE_FIND_ROOT_PATH}/lib/libz.a")

target_link_libraries (juce_graphics INTERFACE velorin_mingw_image_libraries)
target_link_libraries (juce_core INTERFACE "${CMAKE_FIND_ROOT_PATH}/lib/libz.a")
