#include "world/transform.h"

Transform CombineTransforms(const Transform& part, const Transform& pawn) {
    return Transform(part.xangle + pawn.xangle, part.yangle + pawn.yangle,
                     part.zangle + pawn.zangle, part.xoffset + pawn.xoffset,
                     part.yoffset + pawn.yoffset, part.zoffset + pawn.zoffset,
                     part.xstretch * pawn.xstretch, part.ystretch * pawn.ystretch,
                     part.zstretch * pawn.zstretch, pawn.opacity / 100.0f * part.opacity);
}
