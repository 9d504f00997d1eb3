#pragma once
// Angles (degrees), offsets (world units), stretches (factors) and opacity
// (percent) of a pawn or of one part of an animation frame.

struct Transform {
    float xangle = 0.0f, yangle = 0.0f, zangle = 0.0f;
    float xoffset = 0.0f, yoffset = 0.0f, zoffset = 0.0f;
    float xstretch = 1.0f, ystretch = 1.0f, zstretch = 1.0f;
    float opacity = 100.0f;

    Transform() = default;
    Transform(float xa, float ya, float za, float xo, float yo, float zo, float xs, float ys,
              float zs, float op = 100.0f)
        : xangle(xa),
          yangle(ya),
          zangle(za),
          xoffset(xo),
          yoffset(yo),
          zoffset(zo),
          xstretch(xs),
          ystretch(ys),
          zstretch(zs),
          opacity(op) {}
};

// The same place (the three offsets), whatever the angles, stretches and opacity.
inline bool SameOffsets(const Transform& a, const Transform& b) {
    return a.xoffset == b.xoffset && a.yoffset == b.yoffset && a.zoffset == b.zoffset;
}

// A part's transform placed on its pawn's: angles and offsets add, stretches
// multiply per axis, opacities multiply as percentages. Component by
// component: the part's offset is not turned by the pawn's angles.
Transform CombineTransforms(const Transform& part, const Transform& pawn);
