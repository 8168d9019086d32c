# Suites of the app area
