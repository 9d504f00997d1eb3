# One gameplay tick on a level of 2,000 pawns of which 500 are moving.
korvath_add_bench(bench_game_tick SOURCES ${CMAKE_CURRENT_LIST_DIR}/game_tick.cpp
                  LIBS korvath_game korvath_world)
# One second of game time on a level of 20,000 pawns, and with an animation
# of 100,000 frames on 100 pawns (goal: a tick far below its 27 ms).
korvath_add_bench(bench_large_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/large_data.cpp
                  LIBS korvath_game korvath_world)
