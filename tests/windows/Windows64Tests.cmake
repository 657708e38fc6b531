# The 64-bit Velorin.vst3 and Velorin.dll: their tables, the VST3 host of the
# framework's hosting classes and the raw VST2 host under wine64 alone (which
# runs on any x86-64 kernel), and the zip file for Windows users.
set (x64Products "${VELORIN_WINDOWS_X64_BUILD_DIR}/plugin/Velorin_artefacts/Release")
set (x64Vst2 "${x64Products}/VST/Velorin.dll")
set (x64Vst3 "${x64Products}/VST3/Velorin.vst3")
set (x64Vst3Library "${x64Vst3}/Contents/x86_64-win/Velorin.vst3")
set (x64RawHost "${VELORIN_WINDOWS_X64_BUILD_DIR}/tests/windows/host/velorin_wine_host.exe")
set (x64Vst3Host "${VELORIN_WINDOWS_X64_BUILD_DIR}/tests/windows/vst3host/velorin_vst3_host_artefacts/Release/velorin_vst3_host.exe")
set (x64Results "${results}/x64")
file (MAKE_DIRECTORY "${x64Results}")

set (checkExports bash "${CMAKE_CURRENT_SOURCE_DIR}/check-exports.sh" x86_64-w64-mingw32-objdump)
add_test (NAME WindowsX64.vst2ExportTable COMMAND ${checkExports} "${x64Vst2}" pei-x86-64 VSTPluginMain=1 main=2)
add_test (NAME WindowsX64.vst3ExportTable COMMAND ${checkExports} "${x64Vst3Library}" pei-x86-64 GetPluginFactory=1 InitDll=2 ExitDll=3)

set (checkVersion bash "${CMAKE_CURRENT_SOURCE_DIR}/check-version-resource.sh")
add_test (NAME WindowsX64.vst2VersionResourceAndManifest COMMAND ${checkVersion} "${x64Vst2}" "${x64Results}")
add_test (NAME WindowsX64.vst3VersionResourceAndManifest COMMAND ${checkVersion} "${x64Vst3Library}" "${x64Results}")

add_test (NAME WindowsX64.vst2UnderWine64
    COMMAND bash "${underWine}" --64 "${x64Results}" "${x64RawHost}" "${x64Vst2}" "${x64Results}/vst2-output.f32")
add_test (NAME WindowsX64.vst2SamplesBitIdenticalToLinux
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${results}/linux-output.f32" "${x64Results}/vst2-output.f32")
set_tests_properties (WindowsX64.vst2UnderWine64 PROPERTIES FIXTURES_SETUP wine64Vst2 RESOURCE_LOCK wine TIMEOUT 300)
set_tests_properties (WindowsX64.vst2SamplesBitIdenticalToLinux PROPERTIES FIXTURES_REQUIRED "linuxReference;wine64Vst2")

# The same VST3 host built for Linux plays the Linux Velorin.vst3 (without a display, as the raw host).
add_subdirectory (vst3host)
add_test (NAME WindowsX64.vst3LinuxReference
    COMMAND "${CMAKE_COMMAND}" -E env --unset=DISPLAY "$<TARGET_FILE:velorin_vst3_host>"
            "$<TARGET_FILE_DIR:Velorin>/VST3/Velorin.vst3" "${x64Results}/linux-vst3-report.txt" "${x64Results}/linux-vst3-output.f32")
add_test (NAME WindowsX64.vst3UnderWine64
    COMMAND bash "${underWine}" --64 "${x64Results}" "${x64Vst3Host}" "${x64Vst3}" "${x64Results}/vst3-report.txt" "${x64Results}/vst3-output.f32")
add_test (NAME WindowsX64.vst3ReportSameAsLinux
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${x64Results}/linux-vst3-report.txt" "${x64Results}/vst3-report.txt")
add_test (NAME WindowsX64.vst3SamplesBitIdenticalToLinux
    COMMAND "${CMAKE_COMMAND}" -E compare_files "${x64Results}/linux-vst3-output.f32" "${x64Results}/vst3-output.f32")
set_tests_properties (WindowsX64.vst3LinuxReference PROPERTIES FIXTURES_SETUP linuxVst3)
set_tests_properties (WindowsX64.vst3UnderWine64 PROPERTIES FIXTURES_SETUP wine64Vst3 RESOURCE_LOCK wine TIMEOUT 300)
set_tests_properties (WindowsX64.vst3ReportSameAsLinux WindowsX64.vst3SamplesBitIdenticalToLinux
    PROPERTIES FIXTURES_REQUIRED "linuxVst3;wine64Vst3")

add_test (NAME WindowsX64.vst3EditorUnderWine64
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/editor-under-wine.sh" --64 "${x64Results}" "${x64Vst3Host}" "${x64Vst3}" "${x64Results}/windows-x64-editor-under-wine.png")
set_tests_properties (WindowsX64.vst3EditorUnderWine64 PROPERTIES RESOURCE_LOCK wine TIMEOUT 300)

add_test (NAME WindowsX64.zipFile
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/check-zip.sh" x64 "${VELORIN_WINDOWS_X64_BUILD_DIR}" "${x64Results}"
            INSTALL.txt LICENSE-Roboto.txt Velorin.dll Velorin.vst3/Contents/x86_64-win/Velorin.vst3)
