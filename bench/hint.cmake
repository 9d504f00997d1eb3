# The hint's latency on every position at rest of each shipped level (goal:
# the worst under 100 ms).
korvath_add_bench(bench_hint SOURCES ${CMAKE_CURRENT_LIST_DIR}/hint_latency.cpp
                  LIBS korvath_search korvath_level_lib)
target_compile_definitions(bench_hint PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
