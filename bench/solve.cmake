# The solver exploring each shipped level completely, from its start and from
# every checkpoint (goal: under 5 s a level).
korvath_add_bench(bench_solve SOURCES ${CMAKE_CURRENT_LIST_DIR}/solve_levels.cpp
                  LIBS korvath_solve_lib)
target_compile_definitions(bench_solve PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
