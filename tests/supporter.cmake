# Suites of the supporter area
px_add_test(test_supporter_richtext SOURCES supporter/test_richtext.cpp LIBS platform)
px_add_test(test_supporter_events SOURCES supporter/test_events.cpp LIBS platform)
px_add_test(test_supporter_listbox SOURCES supporter/test_listbox.cpp LIBS platform)
px_add_test(test_supporter_helpdocument SOURCES supporter/test_helpdocument.cpp LIBS SetupCtrls)
px_add_test(test_supporter_windows SOURCES supporter/test_windows.cpp supporter/windowfixture.h LIBS SetupCtrls)
px_add_test(test_supporter_calibloop SOURCES supporter/test_calibloop.cpp supporter/windowfixture.h LIBS SetupCtrls)
