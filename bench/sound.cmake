korvath_add_bench(bench_sound_startup SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/sound_startup.cpp
                  LIBS korvath_sound)
target_include_directories(bench_sound_startup PRIVATE ${CMAKE_SOURCE_DIR}/tests)
