add_fuzzer(branding_file_fuzzer ${CMAKE_CURRENT_LIST_DIR}/BrandingFileFuzzer.cpp
    SEEDS ${CMAKE_CURRENT_LIST_DIR}/branding_seeds
    LIBS branding framework)
