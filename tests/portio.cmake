# Suites of the portio area
