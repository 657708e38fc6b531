# The 32-bit library Velorin_32bit.dll: its tables, and the raw host under 32-bit wine.
set (windowsDll "${VELORIN_WINDOWS_BUILD_DIR}/plugin/Velorin_artefacts/Release/VST/Velorin_32bit.dll")
set (wineHost "${VELORIN_WINDOWS_BUILD_DIR}/tests/windows/host/velorin_wine_host.exe")

# 32-bit wine runs only where the kernel executes 32-bit programs, which a static
# 32-bit program that only exits tells; elsewhere the tests that need it are skipped.
set (i386Probe "${CMAKE_CURRENT_BINARY_DIR}/i386-probe")
find_program (VELORIN_ASSEMBLER as REQUIRED)
add_custom_command (OUTPUT "${i386Probe}"
    COMMAND "${VELORIN_ASSEMBLER}" --32 -o "${i386Probe}.o" "${CMAKE_CURRENT_SOURCE_DIR}/i386-probe.s"
    COMMAND "${CMAKE_LINKER}" -m elf_i386 -o "${i386Probe}" "${i386Probe}.o"
    DEPENDS i386-probe.s
    VERBATIM)
add_custom_target (velorin_i386_probe ALL DEPENDS "${i386Probe}")
set (onlyWithI386 bash "${CMAKE_CURRENT_SOURCE_DIR}/i386-only.sh" "${i386Probe}")

add_test (NAME WindowsDll.exportTable
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/check-exports.sh" i686-w64-mingw32-objdump "${windowsDll}" pei-i386
            _ACFCanUnloadNow@4=1 _ACFGetClassFactory@16=2 _ACFGetSDKVersion@4=3 _ACFRegisterComponent@12=4
            _ACFRegisterPlugin@8=5 _ACFShutdown@4=6 _ACFStartup@4=7 VSTPluginMain=8 main=9)

add_test (NAME WindowsDll.versionResourceAndManifest
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/check-version-resource.sh" "${windowsDll}" "${results}")

add_test (NAME WindowsDll.rawHostUnderWine
    COMMAND ${onlyWithI386} bash "${underWine}" "${results}" "${wineHost}" "${windowsDll}" "${results}/wine-output.f32")

add_test (NAME WindowsDll.samplesBitIdenticalToLinux
    COMMAND ${onlyWithI386} "${CMAKE_COMMAND}" -E compare_files "${results}/linux-output.f32" "${results}/wine-output.f32")

set_tests_properties (WindowsDll.rawHostUnderWine PROPERTIES FIXTURES_SETUP wineOutput RESOURCE_LOCK wine TIMEOUT 300)
set_tests_properties (WindowsDll.samplesBitIdenticalToLinux PROPERTIES FIXTURES_REQUIRED "linuxReference;wineOutput")

add_test (NAME WindowsDll.editorUnderWine
    COMMAND ${onlyWithI386} bash "${CMAKE_CURRENT_SOURCE_DIR}/editor-under-wine.sh" "${results}" "${wineHost}" "${windowsDll}" "${results}/windows-editor-under-wine.png")
set_tests_properties (WindowsDll.editorUnderWine PROPERTIES RESOURCE_LOCK wine TIMEOUT 300)

set_tests_properties (WindowsDll.rawHostUnderWine WindowsDll.samplesBitIdenticalToLinux WindowsDll.editorUnderWine
    PROPERTIES SKIP_RETURN_CODE 77)

# Fails where those tests would be skipped though 32-bit wine runs, and where they
# would run though it cannot.
add_test (NAME WindowsDll.skippedExactlyWithout32BitExecution
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/check-i386-guard.sh" "${i386Probe}")

add_test (NAME WindowsDll.zipFile
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/check-zip.sh" x86 "${VELORIN_WINDOWS_BUILD_DIR}" "${results}"
            INSTALL.txt LICENSE-Roboto.txt Velorin_32bit.dll)
