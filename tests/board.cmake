# Suites of the board area
px_add_test(test_board_blend SOURCES board/test_blend.cpp LIBS SetupCtrls)
px_add_test(test_board_layout SOURCES board/test_layout.cpp LIBS SetupCtrls)

# The small board the suites below share.
add_library(board_fixture STATIC board/boardfixture.cpp board/boardfixture.h)
target_include_directories(board_fixture PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/board)
target_link_libraries(board_fixture PUBLIC SetupCtrls)
px_strict(board_fixture)

px_add_test(test_board_image SOURCES board/test_boardimage.cpp LIBS board_fixture)
px_add_test(test_board_highlight SOURCES board/test_highlight.cpp LIBS board_fixture)
px_add_test(test_board_popup SOURCES board/test_popup.cpp LIBS board_fixture)
px_add_test(test_board_menus SOURCES board/test_menus.cpp LIBS board_fixture)
