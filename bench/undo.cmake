# Undo and redo on a shipped level with a long history (goal: under 1 ms each).
korvath_add_bench(bench_undo SOURCES ${CMAKE_CURRENT_LIST_DIR}/undo_step.cpp
                  LIBS korvath_search korvath_level_lib)
target_compile_definitions(bench_undo PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
