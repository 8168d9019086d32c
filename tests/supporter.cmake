# Suites of the supporter area
px_add_test(test_supporter_richtext SOURCES supporter/test_richtext.cpp LIBS platform)
px_add_test(test_supporter_listbox SOURCES supporter/test_listbox.cpp LIBS platform)
px_add_test(test_supporter_helpdocument SOURCES supporter/test_helpdocument.cpp LIBS SetupCtrls)
px_add_test(test_supporter_windows SOURCES supporter/test_windows.cpp supporter/windowfixture.h LIBS SetupCtrls)
