# Suites of the supporter area
px_add_test(test_supporter_richtext SOURCES supporter/test_richtext.cpp LIBS platform)
px_add_test(test_supporter_listbox SOURCES supporter/test_listbox.cpp LIBS platform)
px_add_test(test_supporter_helpdocument SOURCES supporter/test_helpdocument.cpp LIBS SetupCtrls)
