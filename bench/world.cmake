# The level of 10,000 pawns: loading it, then the level index and the draw list.
korvath_add_bench(bench_world_level SOURCES ${CMAKE_CURRENT_LIST_DIR}/world_level.cpp
                  LIBS korvath_game korvath_world)
