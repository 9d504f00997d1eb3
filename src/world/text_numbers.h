#pragma once
// Numbers from the text of data files. The parsing itself is the store's
// (store/value_text.h): malformed text never fails, it reads as 0 or as its
// leading number.

#include "store/value_text.h"

// Narrows to float. Finite values beyond the float range become infinities,
// which is what the hardware gives but a plain cast leaves undefined.
float NarrowToFloat(double value);
