# Suites of the PX-407 program
px_add_test(test_app_mainform SOURCES app/test_mainform.cpp LIBS px407app)

# The real executable under Xvfb, driven by real key events.
add_test(NAME test_app_e2e_exit COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/exit.sh $<TARGET_FILE:px407-setup>)
set_tests_properties(test_app_e2e_exit PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 RUN_SERIAL TRUE)
