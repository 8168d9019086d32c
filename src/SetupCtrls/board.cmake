# Sources of the board area: list(APPEND SETUPCTRLS_SOURCES ...)
list(APPEND SETUPCTRLS_SOURCES
  boardimage.cpp boardimage.h
  boardhighlight.cpp boardhighlight.h
  highlightblend.cpp highlightblend.h
  highlightmenus.cpp highlightmenus.h
  popupform.cpp popupform.h
)
