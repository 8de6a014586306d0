# WritePayloadResource against the test program's own DataFile resources,
# and extraction of the written archive through the Windows file backend.
# One program (every Wine process is slow under emulation): its branding
# block is filled with a file of length 0 that starts with "K"; the unfilled
# and the over-long blocks take the same FindBrandingFile path that the host
# tests cover.
set(payload_fixtures ${CMAKE_CURRENT_BINARY_DIR}/payload-fixtures)
add_custom_command(
    OUTPUT ${payload_fixtures}/empty.block ${payload_fixtures}/product.archive
    COMMAND ${CMAKE_COMMAND} -E make_directory ${payload_fixtures}
    COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/PayloadFixtures.py ${payload_fixtures}
    COMMAND ${INSTKIT} pack ${payload_fixtures}/product.archive
            ${payload_fixtures}/MailWarden.exe ${payload_fixtures}/readme.txt
    DEPENDS ${INSTKIT} ${CMAKE_CURRENT_SOURCE_DIR}/PayloadFixtures.py
    COMMENT "Payload test resources" VERBATIM)
set(payload_rc ${payload_fixtures}/PayloadResourceTest.rc)
file(GENERATE OUTPUT ${payload_rc} CONTENT
    "129 DataFile \"${payload_fixtures}/empty.block\"\n131 DataFile \"${payload_fixtures}/product.archive\"\n")
set_source_files_properties(${payload_rc} PROPERTIES
    OBJECT_DEPENDS "${payload_fixtures}/empty.block;${payload_fixtures}/product.archive")

add_win32_test(PayloadResourceTest
    SOURCES PayloadResourceTest.cpp ${payload_rc}
    LIBS payload framework
    WINDOWS_VERSION winxp)
