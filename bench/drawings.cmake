# Benchmarks of the drawings area
px_add_bench(bench_drawings SOURCES drawings/bench_drawings.cpp LIBS SetupCtrls)
