# Benchmarks of the supporter area
