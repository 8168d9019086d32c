# Suites of the drawings area
px_add_test(test_drawings_radiopanel SOURCES drawings/test_radiopanel.cpp LIBS SetupCtrls)
px_add_test(test_drawings_jumperlayout SOURCES drawings/test_jumperlayout.cpp LIBS SetupCtrls)
px_add_test(test_drawings_jumpers SOURCES drawings/test_jumpers.cpp drawings/drawingprobe.h LIBS SetupCtrls)
px_add_test(test_drawings_switchlayout SOURCES drawings/test_switchlayout.cpp LIBS SetupCtrls)
px_add_test(test_drawings_baseaddress SOURCES drawings/test_baseaddress.cpp drawings/drawingprobe.h LIBS SetupCtrls)
# Every drawing in every orientation and state, written to gallery.png.
px_add_test(test_drawings_gallery SOURCES drawings/gallery.cpp LIBS SetupCtrls)
target_compile_definitions(test_drawings_gallery PRIVATE PX_GALLERY_PATH="${CMAKE_BINARY_DIR}/gallery.png")
