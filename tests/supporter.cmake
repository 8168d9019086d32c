# Suites of the supporter area
