korvath_add_bench(bench_sound_startup SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/sound_startup.cpp
                  LIBS korvath_sound)
target_compile_definitions(bench_sound_startup PRIVATE KORVATH_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
