# Replays through the korvath-replay program: 10 virtual minutes without
# drawing (goal: under 5 s of wall time), and drawn frames per second.
korvath_add_bench(bench_replay SOURCES ${CMAKE_CURRENT_LIST_DIR}/replay_run.cpp LIBS)
target_compile_definitions(bench_replay PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                           KORVATH_REPLAY_EXE="$<TARGET_FILE:korvath-replay>")
add_dependencies(bench_replay korvath-replay)
