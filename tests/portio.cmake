# Suites of the portio area

px_add_test(test_portio_dispatch SOURCES portio/tst_portdispatch.cpp portio/portaccesstostring.h LIBS portio)
px_add_test(test_portio_recording SOURCES portio/tst_recordingbackend.cpp portio/portaccesstostring.h LIBS portio)
px_add_test(test_portio_hardware SOURCES portio/tst_hardwarebackend.cpp portio/portaccesstostring.h LIBS portio)
px_add_test(test_portio_privileges SOURCES portio/tst_privileges.cpp portio/procstatus.h LIBS portio)
px_add_test(test_portio_dropprivileges SOURCES portio/tst_dropprivileges.cpp portio/procstatus.h LIBS portio)
px_add_test(test_portio_simulatedcard SOURCES portio/tst_simulatedcard.cpp LIBS portio)

# Stand-ins for the driver library: the full one under the name the program
# looks for, a copy of it under another name, and one lacking an entry point.
set(PX_DRIVER_FIXTURE_DIR ${CMAKE_CURRENT_BINARY_DIR}/portio_driver)
function(px_driver_fixture target output)
  add_library(${target} MODULE portio/driverfixture.cpp)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output} LIBRARY_OUTPUT_DIRECTORY ${PX_DRIVER_FIXTURE_DIR})
  target_compile_definitions(${target} PRIVATE ${ARGN})
  px_strict(${target})
endfunction()
px_driver_fixture(test_portio_fixture_full ORVANEWDM)
px_driver_fixture(test_portio_fixture_copy ORVANEWDM_copy)
px_driver_fixture(test_portio_fixture_incomplete ORVANEWDM_incomplete PX_FIXTURE_WITHOUT_WATCHDOG_KICK)

px_add_test(test_portio_driverlibrary SOURCES portio/tst_driverlibrary.cpp LIBS portio ${CMAKE_DL_LIBS})
add_dependencies(test_portio_driverlibrary
  test_portio_fixture_full test_portio_fixture_copy test_portio_fixture_incomplete)
target_compile_definitions(test_portio_driverlibrary PRIVATE
  PX_FIXTURE_COPY="$<TARGET_FILE:test_portio_fixture_copy>"
  PX_FIXTURE_INCOMPLETE="$<TARGET_FILE:test_portio_fixture_incomplete>"
  PX_FIXTURE_MISSING="${PX_DRIVER_FIXTURE_DIR}/libORVANEWDM_absent.so")
# The full fixture is found by name through the library search path.
set_target_properties(test_portio_driverlibrary PROPERTIES BUILD_RPATH ${PX_DRIVER_FIXTURE_DIR})
# A sanitizer's dlopen wrapper hides the run path, so the search path is set too.
set_property(TEST test_portio_driverlibrary APPEND PROPERTY ENVIRONMENT "LD_LIBRARY_PATH=${PX_DRIVER_FIXTURE_DIR}")
