# add_installer(<target>
#     [SETUP_FILES <file>...   | SETUP_DIR <folder>   | SETUP_ARCHIVE <archive>]
#     [PRODUCT_FILES <file>... | PRODUCT_DIR <folder> | PRODUCT_ARCHIVE <archive>]
#     [BRANDING <branding file>]
#     [OUTPUT_NAME <name>])
#
# Builds an installer that carries a setup archive (resource 130) packed from
# the setup files, a product archive (131) packed from the product files, and
# the branding block (129), unfilled unless a branding file is given. A part
# that is given no files is left out of the executable, as the tests of a
# missing resource need. Files may be generator expressions such as
# $<TARGET_FILE:...>; a folder's files are taken when CMake configures.
# The executable is <binary dir>/<target>/<OUTPUT_NAME or Installer>.exe.
function(add_installer target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "SETUP_DIR;SETUP_ARCHIVE;PRODUCT_DIR;PRODUCT_ARCHIVE;BRANDING;OUTPUT_NAME"
                          "SETUP_FILES;PRODUCT_FILES")
    if(NOT ARG_OUTPUT_NAME)
        set(ARG_OUTPUT_NAME Installer)
    endif()
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}.payload)
    set(rc ${work}/${target}.rc)
    set(rc_text "#include \"Installer.rc\"\n")

    # Branding block.
    set(block ${work}/branding.block)
    set(block_args ${block})
    if(ARG_BRANDING)
        list(APPEND block_args ${ARG_BRANDING})
    endif()
    add_custom_command(OUTPUT ${block}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${work}
        COMMAND ${INSTKIT} block ${block_args}
        DEPENDS ${INSTKIT} ${ARG_BRANDING}
        COMMENT "Branding block of ${target}" VERBATIM)
    string(APPEND rc_text "129 DataFile \"${block}\"\n")
    set(payloads ${block})

    foreach(part SETUP PRODUCT)
        if(part STREQUAL SETUP)
            set(id 130)
        else()
            set(id 131)
        endif()
        set(files ${ARG_${part}_FILES})
        if(ARG_${part}_DIR)
            file(GLOB dir_files LIST_DIRECTORIES false ${ARG_${part}_DIR}/*)
            list(SORT dir_files)
            list(APPEND files ${dir_files})
        endif()
        if(ARG_${part}_ARCHIVE)
            set(archive ${ARG_${part}_ARCHIVE})
        elseif(files)
            string(TOLOWER ${part} name)
            set(archive ${work}/${name}.archive)
            add_custom_command(OUTPUT ${archive}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${work}
                COMMAND ${INSTKIT} pack ${archive} ${files}
                DEPENDS ${INSTKIT} ${files}
                COMMENT "Packing the ${name} archive of ${target}" VERBATIM)
        else()
            continue()
        endif()
        string(APPEND rc_text "${id} DataFile \"${archive}\"\n")
        list(APPEND payloads ${archive})
    endforeach()

    file(GENERATE OUTPUT ${rc} CONTENT "${rc_text}")
    add_executable(${target} WIN32 ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${payloads};${PROJECT_SOURCE_DIR}/resources/Installer.rc;${PROJECT_SOURCE_DIR}/resources/Texts.h")
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources)
    target_link_libraries(${target} PRIVATE installer_code)
    installer_link_options(${target})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${ARG_OUTPUT_NAME}
                          RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${target})
endfunction()
