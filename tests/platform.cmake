# Suites of the platform area
