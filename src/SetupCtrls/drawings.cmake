# Sources of the drawings area: list(APPEND SETUPCTRLS_SOURCES ...)
list(APPEND SETUPCTRLS_SOURCES
  setupctrls.h
  radiopanel.cpp radiopanel.h
  orienteddrawing.cpp orienteddrawing.h
  componentnames.h
  jumperpicture.cpp jumperpicture.h
  twojumper.cpp twojumper.h
  threejumper.cpp threejumper.h
  addresstext.cpp addresstext.h
  switchpicture.cpp switchpicture.h
  baseaddress.cpp baseaddress.h
)
