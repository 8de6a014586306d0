# Everything that links into Installer.exe is built small: no exceptions, no
# RTTI, no unwind tables, no C++ runtime library. The flags stand here once.
if(WIN32)
    add_compile_definitions(WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0400 WINVER=0x0400)
    add_compile_options(
        $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>
        $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>
        $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>
        $<$<COMPILE_LANGUAGE:CXX>:-fcheck-new>
        -fno-asynchronous-unwind-tables
        -ffunction-sections -fdata-sections
        -Wall)
    set(CMAKE_CXX_FLAGS_MINSIZEREL "-Os -DNDEBUG")
    set(CMAKE_C_FLAGS_MINSIZEREL "-Os -DNDEBUG")
endif()

# Link options of a Windows GUI program that runs on Windows 95 and NT 4.0:
# subsystem version 4.0, stripped, unused sections dropped, linked by the C
# driver so that no part of the C++ library can slip in.
function(installer_link_options target)
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE C WIN32_EXECUTABLE ON)
    target_link_options(${target} PRIVATE
        -mwindows -static-libgcc
        -Wl,--gc-sections
        -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
        -Wl,--major-os-version,4 -Wl,--minor-os-version,0
        $<$<NOT:$<CONFIG:Debug>>:-s>)
endfunction()
