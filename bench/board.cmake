# Benchmarks of the board area
px_add_bench(bench_board_highlights SOURCES board/bench_highlights.cpp LIBS SetupCtrls)
