# Suites of the drawings area
px_add_test(test_drawings_radiopanel SOURCES drawings/test_radiopanel.cpp LIBS SetupCtrls)
px_add_test(test_drawings_jumperlayout SOURCES drawings/test_jumperlayout.cpp LIBS SetupCtrls)
px_add_test(test_drawings_jumpers SOURCES drawings/test_jumpers.cpp drawings/drawingprobe.h LIBS SetupCtrls)
px_add_test(test_drawings_switchlayout SOURCES drawings/test_switchlayout.cpp LIBS SetupCtrls)
px_add_test(test_drawings_baseaddress SOURCES drawings/test_baseaddress.cpp drawings/drawingprobe.h LIBS SetupCtrls)
