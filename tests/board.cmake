# Suites of the board area
