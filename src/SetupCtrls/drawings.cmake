# Sources of the drawings area: list(APPEND SETUPCTRLS_SOURCES ...)
list(APPEND SETUPCTRLS_SOURCES
  setupctrls.h
  radiopanel.cpp radiopanel.h
)
