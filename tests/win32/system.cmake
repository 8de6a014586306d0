# Tests of the system services (system/) under Wine: the registry, the
# shell, message boxes and the service control manager are Wine's own.
# Every Wine process costs many seconds under emulation, so each Windows
# version has one test program, and the winxp one starts only two service
# processes and one other helper.

# Test helpers that the tests start: a program that exits with code 3, and
# a real service under the server's service name.
add_executable(exit3 exit3.cpp)
add_executable(SystemTestService SystemTestService.cpp)
foreach(helper exit3 SystemTestService)
    target_link_options(${helper} PRIVATE -static)
endforeach()

# The service module is built again with its diagnostic trace on, and
# SystemTestTrace.cpp records what it traces.
set(system_traced_sources
    ${PROJECT_SOURCE_DIR}/system/ServerServiceWin32.cpp
    SystemTestTrace.cpp
    SystemTestServices.cpp)
set_source_files_properties(${system_traced_sources} PROPERTIES COMPILE_OPTIONS -UNDEBUG)

add_win32_test(SystemWinxpTest
    SOURCES RegistryTest.cpp LaunchTest.cpp MessageFilesTest.cpp ServiceTest.cpp SystemNtFamilyTest.cpp
            SystemTestMessageBoxes.cpp ${system_traced_sources}
            ${PROJECT_SOURCE_DIR}/resources/Installer.rc
    LIBS system shlwapi
    WINDOWS_VERSION winxp
    TIMEOUT 900)
add_dependencies(SystemWinxpTest exit3 SystemTestService)

add_win32_test(SystemNt40Test
    SOURCES SystemNtFamilyTest.cpp ${system_traced_sources}
    LIBS system
    WINDOWS_VERSION nt40)

add_win32_test(SystemWin98Test
    SOURCES SystemWin98Test.cpp
    LIBS system
    WINDOWS_VERSION win98)
