korvath_add_bench(bench_store_read SOURCES ${CMAKE_CURRENT_LIST_DIR}/store_read.cpp LIBS korvath_store)
