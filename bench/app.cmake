# Benchmarks of the PX-407 program
px_add_bench(bench_app_startup SOURCES app/bench_startup.cpp LIBS px407app)
