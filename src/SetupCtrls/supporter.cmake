# Sources of the supporter area: list(APPEND SETUPCTRLS_SOURCES ...)
