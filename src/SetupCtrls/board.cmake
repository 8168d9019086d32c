# Sources of the board area: list(APPEND SETUPCTRLS_SOURCES ...)
