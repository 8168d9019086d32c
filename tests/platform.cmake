# Suites of the toolkit layer
px_add_test(test_platform_canvas SOURCES platform/test_canvas.cpp LIBS platform)
px_add_test(test_platform_basics SOURCES platform/test_basics.cpp LIBS platform)
px_add_test(test_platform_application SOURCES platform/test_application.cpp LIBS platform)
px_add_test(test_platform_picture SOURCES platform/test_picture.cpp LIBS platform)
px_add_test(test_platform_controls SOURCES platform/test_controls.cpp LIBS platform)
