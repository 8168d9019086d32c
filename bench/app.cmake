# Benchmarks of the app area
