# The solver exploring each shipped level completely, from its start and from
# every checkpoint, and the stress level of about 1.3 million positions
# (goals: 100,000 positions a second and 200 bytes a position).
korvath_add_bench(bench_solve SOURCES ${CMAKE_CURRENT_LIST_DIR}/solve_levels.cpp
                  LIBS korvath_solve_lib)
target_compile_definitions(bench_solve PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
