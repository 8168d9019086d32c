# Benchmarks of the board area
