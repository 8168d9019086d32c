# Suites of the board area
px_add_test(test_board_blend SOURCES board/test_blend.cpp LIBS SetupCtrls)
px_add_test(test_board_layout SOURCES board/test_layout.cpp LIBS SetupCtrls)
px_add_test(test_board_image SOURCES board/test_boardimage.cpp board/boardfixture.cpp board/boardfixture.h LIBS SetupCtrls)
px_add_test(test_board_highlight SOURCES board/test_highlight.cpp board/boardfixture.cpp board/boardfixture.h LIBS SetupCtrls)
