# Suites of the drawings area
