# One frame of 500 textured models of 500 triangles each, 800x600, offscreen.
find_package(OpenGL REQUIRED)
korvath_add_bench(bench_render_frame
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/render_frame.cpp
    LIBS korvath_render OpenGL::GL OpenGL::GLU)
