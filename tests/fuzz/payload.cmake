# The archive reader fed arbitrary archives, and the packer's encoder checked
# against the reader's decoder. The seeds are small packed archives and the
# damaged kinds: no clear code, a code never defined, cut streams, a missing
# final zero byte, names that leave the folder.
add_fuzzer(payload_reader ${CMAKE_CURRENT_LIST_DIR}/PayloadReaderFuzzer.cpp
    SEEDS ${CMAKE_CURRENT_LIST_DIR}/payload-seeds
    LIBS payload framework)
add_fuzzer(lzw_round_trip ${CMAKE_CURRENT_LIST_DIR}/LzwRoundTripFuzzer.cpp
    SEEDS ${CMAKE_CURRENT_LIST_DIR}/lzw-seeds
    LIBS payload framework)
