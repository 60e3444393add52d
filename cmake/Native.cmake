# Native build: the portable core and its unit tests, under AddressSanitizer and UBSan.
# GCC leaves float-to-integer conversions out of range unchecked unless asked.
set(SANITIZERS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(skyliner_core STATIC ${CORE_SOURCES} src/platform/PosixFileSystem.cpp)
target_include_directories(skyliner_core PUBLIC src)
target_compile_options(skyliner_core PRIVATE ${SKYLINER_WARNINGS} ${SANITIZERS})
target_link_options(skyliner_core PUBLIC ${SANITIZERS})

find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(core_tests
    tests/core/FileReplacementTest.cpp
    tests/core/InstallPathsTest.cpp
    tests/core/KeyCommandsTest.cpp
    tests/core/KeyNamesTest.cpp
    tests/core/PayloadTest.cpp
    tests/core/PictureScaleTest.cpp
    tests/core/ProfileCorpus.cpp
    tests/core/ProfilePropertyTest.cpp
    tests/core/PreferencesTest.cpp
    tests/core/fuel/FuelPlannerFormTest.cpp
    tests/core/flightplan/FlightPlanFileTest.cpp
    tests/core/flightplan/PayloadImportTest.cpp
    tests/core/flightplan/PlannerImportTest.cpp
    tests/core/simbrief/SimBriefTest.cpp
)
target_include_directories(core_tests PRIVATE tests/core)
target_compile_options(core_tests PRIVATE ${SKYLINER_WARNINGS} ${SANITIZERS})
target_link_libraries(core_tests PRIVATE skyliner_core GTest::gtest_main)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

# Calls of PlanTripFuel per second. Built from the sources rather than skyliner_core so
# that the figures are not those of the sanitizers.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_executable(fuel_benchmark
        bench/FuelBenchmark.cpp
        src/aircraft/Variants.cpp
        src/platform/IntegerText.cpp
        ${FUEL_SOURCES}
    )
    target_include_directories(fuel_benchmark PRIVATE src)
    target_compile_options(fuel_benchmark PRIVATE ${SKYLINER_WARNINGS} -O2)
    target_link_libraries(fuel_benchmark PRIVATE benchmark::benchmark)
endif()
