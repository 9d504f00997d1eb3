# The level of 10,000 pawns: loading it, then the level index and the draw list.
set(world_bench_sources ${CMAKE_CURRENT_LIST_DIR}/world_level.cpp)
set(world_bench_libs korvath_game korvath_world)
# Until the store library has sources, the loader reads through the tests' stand-in.
get_target_property(store_type korvath_store TYPE)
if(store_type STREQUAL "INTERFACE_LIBRARY")
    pkg_check_modules(BENCH_PUGIXML REQUIRED IMPORTED_TARGET pugixml)
    list(APPEND world_bench_sources ${CMAKE_SOURCE_DIR}/tests/world/support/fake_xmlcontext.cpp)
    list(APPEND world_bench_libs PkgConfig::BENCH_PUGIXML)
endif()
korvath_add_bench(bench_world_level SOURCES ${world_bench_sources} LIBS ${world_bench_libs})
