#pragma once
// The picture of the window's icon.

#include "platform/sys_video.h"

extern const Picture kGameIcon;
