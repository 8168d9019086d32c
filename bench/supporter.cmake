# Benchmarks of the supporter area
px_add_bench(bench_supporter_sweep SOURCES supporter/bench_sweep.cpp LIBS SetupCtrls)
