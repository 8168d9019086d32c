# Sources of the supporter area: list(APPEND SETUPCTRLS_SOURCES ...)
list(APPEND SETUPCTRLS_SOURCES
  calibpanels.cpp calibpanels.h
  formfit.cpp formfit.h
  helpdocument.cpp helpdocument.h
  helpform.cpp helpform.h
  pciform.cpp pciform.h
  setupsupporter.cpp setupsupporter.h
  techform.cpp techform.h
)
