# Benchmarks of the drawings area
