// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Picture.h"

// The small stock pictures the program carries (PNG): 1 and 3 are a new
// button's mouse-over and normal images, 2 is a 4 x 4 prototype picture.
// An empty picture for any other number.
TPicture StockPicture(int number);
