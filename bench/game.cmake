# One gameplay tick on a level of 2,000 pawns of which 500 are moving.
korvath_add_bench(bench_game_tick SOURCES ${CMAKE_CURRENT_LIST_DIR}/game_tick.cpp
                  LIBS korvath_game korvath_world)
