# Suites of the supporter area
px_add_test(test_supporter_richtext SOURCES supporter/test_richtext.cpp LIBS platform)
px_add_test(test_supporter_events SOURCES supporter/test_events.cpp LIBS platform)
px_add_test(test_supporter_listbox SOURCES supporter/test_listbox.cpp LIBS platform)
px_add_test(test_supporter_helpdocument SOURCES supporter/test_helpdocument.cpp LIBS SetupCtrls)
px_add_test(test_supporter_windows SOURCES supporter/test_windows.cpp supporter/windowfixture.h LIBS SetupCtrls)
px_add_test(test_supporter_calibloop SOURCES supporter/test_calibloop.cpp supporter/windowfixture.h LIBS SetupCtrls)

# A driver library with every entry point, whose card count the tests set.
add_library(supporter_driver_fixture MODULE portio/driverfixture.cpp)
target_include_directories(supporter_driver_fixture PRIVATE ${PROJECT_SOURCE_DIR}/src)
px_strict(supporter_driver_fixture)
px_add_test(test_supporter_cardlist SOURCES supporter/test_cardlist.cpp supporter/windowfixture.h
            LIBS SetupCtrls ${CMAKE_DL_LIBS})
add_dependencies(test_supporter_cardlist supporter_driver_fixture)
target_compile_definitions(test_supporter_cardlist
                           PRIVATE PX_DRIVER_FIXTURE="$<TARGET_FILE:supporter_driver_fixture>")
px_add_test(test_supporter_mainform SOURCES supporter/test_mainform.cpp LIBS px407app)
