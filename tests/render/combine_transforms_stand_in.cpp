// A weak stand-in for the world library's CombineTransforms, so that the
// renderer can be tested before that lands; the real one wins when linked.

#include "world/transform.h"

__attribute__((weak)) Transform CombineTransforms(const Transform& part, const Transform& pawn) {
    return Transform(part.xangle + pawn.xangle, part.yangle + pawn.yangle,
                     part.zangle + pawn.zangle, part.xoffset + pawn.xoffset,
                     part.yoffset + pawn.yoffset, part.zoffset + pawn.zoffset,
                     part.xstretch * pawn.xstretch, part.ystretch * pawn.ystretch,
                     part.zstretch * pawn.zstretch, part.opacity * pawn.opacity / 100.0f);
}
