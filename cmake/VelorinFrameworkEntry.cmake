# A format target built from the framework's plug-in wrapper with a thin layer of
# our own in front of its entry points. The wrapper's source is compiled on its
# own, as the framework's module would compile it, and its exported entry points
# are renamed in the object file so that the layer's can stand in front of them;
# the installed framework is left as it is.
#
#   velorin_framework_entry (TARGET Velorin_LV2 MODULE juce_audio_plugin_client_LV2
#                            [WRAPPER <the module's source, if not MODULE.cpp>]
#                            RENAME lv2_descriptor=velorinFrameworkLv2Descriptor ...
#                            [OBJCOPY_OPTIONS <more changes to the wrapper's object>]
#                            SOURCES Lv2Entry.cpp ...
#                            INCLUDES <system include directories of the layer>
#                            [EXPORTS <version script of the shared library, or
#                                      module-definition file of the DLL>])
function (velorin_framework_entry)
    cmake_parse_arguments (ARG "" "TARGET;MODULE;WRAPPER;EXPORTS" "RENAME;OBJCOPY_OPTIONS;SOURCES;INCLUDES" ${ARGN})

    if (NOT ARG_WRAPPER)
        set (ARG_WRAPPER ${ARG_MODULE}.cpp)
    endif()

    get_target_property (libraries ${ARG_TARGET} LINK_LIBRARIES)
    list (REMOVE_ITEM libraries juce::${ARG_MODULE})
    set_property (TARGET ${ARG_TARGET} PROPERTY LINK_LIBRARIES ${libraries})

    # Only the format's source of the wrapper module, with the settings that module gives its users.
    set (wrapper ${ARG_TARGET}_framework_wrapper)
    add_library (${wrapper} OBJECT "${JUCE_MODULES_DIR}/juce_audio_plugin_client/${ARG_WRAPPER}")
    target_link_libraries (${wrapper} PRIVATE Velorin)
    target_include_directories (${wrapper} PRIVATE
        $<TARGET_PROPERTY:Velorin,INCLUDE_DIRECTORIES>
        $<TARGET_PROPERTY:${ARG_MODULE},INTERFACE_INCLUDE_DIRECTORIES>)
    target_compile_definitions (${wrapper} PRIVATE $<TARGET_PROPERTY:${ARG_MODULE},INTERFACE_COMPILE_DEFINITIONS>)
    target_compile_options (${wrapper} PRIVATE $<TARGET_PROPERTY:${ARG_MODULE},INTERFACE_COMPILE_OPTIONS>)
    set_target_properties (${wrapper} PROPERTIES
        POSITION_INDEPENDENT_CODE TRUE
        VISIBILITY_INLINES_HIDDEN TRUE
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden)

    set (renames)
    foreach (rename ${ARG_RENAME})
        list (APPEND renames --redefine-sym ${rename})
    endforeach()

    set (renamed "${CMAKE_CURRENT_BINARY_DIR}/${ARG_TARGET}-framework-wrapper.o")

    add_custom_command (OUTPUT "${renamed}"
        COMMAND "${CMAKE_OBJCOPY}" ${renames} ${ARG_OBJCOPY_OPTIONS} "$<TARGET_OBJECTS:${wrapper}>" "${renamed}"
        DEPENDS ${wrapper} "$<TARGET_OBJECTS:${wrapper}>"
        COMMENT "Renaming the entry points of the framework's ${ARG_MODULE} wrapper"
        VERBATIM)

    add_custom_target (${wrapper}_renamed DEPENDS "${renamed}")
    add_dependencies (${ARG_TARGET} ${wrapper}_renamed)
    target_sources (${ARG_TARGET} PRIVATE "${renamed}" ${ARG_SOURCES})

    # Interface headers are read as system headers, like the framework's.
    set (includes "-isystem;${JUCE_MODULES_DIR}")
    foreach (directory ${ARG_INCLUDES})
        list (APPEND includes "-isystem;${directory}")
    endforeach()

    set_source_files_properties (${ARG_SOURCES} TARGET_DIRECTORY ${ARG_TARGET}
        PROPERTIES COMPILE_OPTIONS "${includes};${VELORIN_WARNING_FLAGS}")

    # On Windows, a module-definition file with the names (and ordinals) of the exports.
    if (ARG_EXPORTS)
        set (exports "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_EXPORTS}")
        if (WIN32)
            target_link_options (${ARG_TARGET} PRIVATE "${exports}")
        else()
            target_link_options (${ARG_TARGET} PRIVATE "-Wl,--version-script=${exports}")
        endif()
        set_property (TARGET ${ARG_TARGET} APPEND PROPERTY LINK_DEPENDS "${exports}")
    endif()
endfunction()
