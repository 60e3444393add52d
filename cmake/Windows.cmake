# Windows build: one statically linked 32-bit GUI exe, and test executables run under Wine.
add_compile_options(-msse2 -mfpmath=sse)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX WIN32_LEAN_AND_MEAN)
set(STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(skyliner_core STATIC ${CORE_SOURCES} src/platform/Win32FileSystem.cpp src/platform/SystemCodePage.cpp)
target_include_directories(skyliner_core PUBLIC src)
target_compile_options(skyliner_core PRIVATE ${SKYLINER_WARNINGS})

# The thin Win32 layer: dialogs, launcher, registry.
add_library(skyliner_win32 STATIC
    src/app/AircraftSelectorDlg.cpp
    src/app/RestoreBackupsDlg.cpp
    src/app/ConfiguratorApp.cpp
    src/app/ConfiguratorDlg.cpp
    src/app/LauncherFlows.cpp
    src/app/ProgramFolder.cpp
    src/app/SimulatorFolder.cpp
    src/app/SingleInstance.cpp
    src/prefs/ConfigurationDlg.cpp
    src/keys/KeyAssignerDlg.cpp
    src/keys/KeyConfigDlg.cpp
    src/keys/SystemKeyboardLayout.cpp
    src/flightplan/FlightPlanChoice.cpp
    src/flightplan/SystemXmlReader.cpp
    src/fuel/FuelPlannerDlg.cpp
    src/loadmgr/LoadManagerDlg.cpp
    src/simbrief/FetchProgressDlg.cpp
    src/simbrief/OfpRequest.cpp
    src/simbrief/PilotIdDlg.cpp
    src/simbrief/SimBriefFlows.cpp
    src/ui/BackupQuestion.cpp
    src/ui/ColorEdit.cpp
    src/ui/DialogItems.cpp
    src/ui/ModalDialog.cpp
    src/ui/Pictures.cpp
    src/ui/UserInterface.cpp
    src/ui/WindowScale.cpp
)
target_compile_options(skyliner_win32 PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(skyliner_win32 PUBLIC skyliner_core shlwapi shell32 comdlg32 comctl32 gdi32 user32 uxtheme windowscodecs ole32 winhttp)
# The project's version for the About box and the version resource.
configure_file(cmake/Version.h.in ${CMAKE_BINARY_DIR}/generated/Version.h @ONLY)
target_include_directories(skyliner_win32 PUBLIC ${CMAKE_BINARY_DIR}/generated)

# Dialog templates, bitmaps, icon and manifest; the test executables carry them too.
set(RESOURCES src/res/Resources.rc)
# windres reports none of the files the script pulls in, so every file beside it counts;
# the glob picks up a new dialog's template or a new picture without an edit here.
file(GLOB RESOURCE_INPUTS CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/src/res/*.rc
    ${CMAKE_SOURCE_DIR}/src/res/*.h
    ${CMAKE_SOURCE_DIR}/src/res/*.png
    ${CMAKE_SOURCE_DIR}/src/res/*.ico
    ${CMAKE_SOURCE_DIR}/src/res/*.manifest)
set_source_files_properties(${RESOURCES} PROPERTIES OBJECT_DEPENDS "${RESOURCE_INPUTS}")

add_executable(FS9SkylinerConfig WIN32 src/app/Main.cpp ${RESOURCES})
target_include_directories(FS9SkylinerConfig PRIVATE src/res)
target_compile_options(FS9SkylinerConfig PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(FS9SkylinerConfig PRIVATE skyliner_win32)
# No time stamp in the PE header, so that two builds of one commit give the same bytes.
target_link_options(FS9SkylinerConfig PRIVATE ${STATIC_LINK} -s -Wl,--no-insert-timestamp)

# GoogleTest from the sources Debian ships, built with the cross compiler.
set(SKYLINER_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources, built for Windows")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${SKYLINER_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(win32_tests
    ${RESOURCES}
    tests/windows/TestDialogs.rc
    tests/windows/ConfigurationDlgTest.cpp
    tests/windows/DialogLayerTest.cpp
    tests/windows/DialogPicturesTest.cpp
    tests/windows/KeyAssignmentsTest.cpp
    tests/windows/FuelPlannerTest.cpp
    tests/windows/SystemXmlReaderTest.cpp
    tests/windows/LauncherTest.cpp
    tests/windows/SimBriefTest.cpp
    tests/windows/TemplateContractTest.cpp
    tests/windows/FileSystemTest.cpp
    tests/core/ProfileCorpus.cpp
)
target_include_directories(win32_tests PRIVATE tests/core src/res)
# The demo's sample files, which the import tests read as Wine shows the host's folders.
target_compile_definitions(win32_tests PRIVATE SKYLINER_DEMO_FOLDER="Z:${CMAKE_SOURCE_DIR}/demo")
target_compile_options(win32_tests PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(win32_tests PRIVATE skyliner_win32 gtest_main ws2_32)
target_link_options(win32_tests PRIVATE ${STATIC_LINK})
add_dependencies(win32_tests FS9SkylinerConfig)  # a test starts the program twice
# One ctest entry per case, listed under Wine when ctest starts so that building never
# needs Wine; the listing may wait for Wine to create its prefix on a first run.
include(GoogleTest)
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 180)
# Tests under other locales, which Wine takes its keyboard layout and ANSI code page from:
# the key names of the French layout, and the simulator's folder in code page 932, where the
# second byte of some characters is a backslash. The host need not have generated these
# locales: the build compiles its own copies.
find_program(LOCALEDEF localedef REQUIRED)
set(TEST_LOCALES ${CMAKE_BINARY_DIR}/locale)
foreach(locale fr_FR ja_JP)
    add_custom_command(OUTPUT ${TEST_LOCALES}/${locale}.UTF-8/LC_CTYPE
        COMMAND ${CMAKE_COMMAND} -E make_directory ${TEST_LOCALES}
        COMMAND ${LOCALEDEF} -i ${locale} -f UTF-8 ${TEST_LOCALES}/${locale}.UTF-8
        COMMENT "Compiling the ${locale} locale for the Windows tests")
    list(APPEND TEST_LOCALE_FILES ${TEST_LOCALES}/${locale}.UTF-8/LC_CTYPE)
endforeach()
add_custom_target(test_locales ALL DEPENDS ${TEST_LOCALE_FILES})
add_test(NAME win32_tests_french_keys COMMAND win32_tests --gtest_filter=KeyAssignmentsTest.FrenchLayout*)
set_tests_properties(win32_tests_french_keys PROPERTIES ENVIRONMENT "LANG=fr_FR.UTF-8;LOCPATH=${TEST_LOCALES}")
add_test(NAME win32_tests_japanese_folder COMMAND win32_tests --gtest_filter=LauncherTest.TakesItsPathsFromTheRegistry*)
set_tests_properties(win32_tests_japanese_folder PROPERTIES ENVIRONMENT "LANG=ja_JP.UTF-8;LOCPATH=${TEST_LOCALES}")
# The pictures again at a screen scale of 150 %, which Wine reads from its prefix when it
# starts: a prefix of its own, made with that scale on the first run.
add_test(NAME win32_tests_pictures_at_150_percent COMMAND win32_tests --gtest_filter=DialogPicturesTest.*)
set_tests_properties(win32_tests_pictures_at_150_percent PROPERTIES
    ENVIRONMENT "SKYLINER_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix-144;SKYLINER_LOGPIXELS=144")

add_executable(profile_benchmark bench/ProfileBenchmark.cpp)
target_compile_options(profile_benchmark PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(profile_benchmark PRIVATE skyliner_core)
target_link_options(profile_benchmark PRIVATE ${STATIC_LINK})

# From creation to first paint of every dialog, against a bare one (scripts/benchmark.sh).
add_executable(dialog_benchmark bench/DialogBenchmark.cpp bench/BenchDialogs.rc ${RESOURCES})
target_include_directories(dialog_benchmark PRIVATE src/res)
target_compile_options(dialog_benchmark PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(dialog_benchmark PRIVATE skyliner_win32)
target_link_options(dialog_benchmark PRIVATE ${STATIC_LINK})

# A flight plan import from path to plan, for the largest files a user would import (scripts/benchmark.sh).
add_executable(import_benchmark bench/ImportBenchmark.cpp)
target_compile_options(import_benchmark PRIVATE ${SKYLINER_WARNINGS})
target_link_libraries(import_benchmark PRIVATE skyliner_win32)
target_link_options(import_benchmark PRIVATE ${STATIC_LINK})
