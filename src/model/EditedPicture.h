// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>

class TGraphic;
class TPicture;

// What an edited picture goes through before the picture editor hands it
// back: its bytes are read back twice through a fresh graphic of its class,
// so data that cannot be stored and loaded again never reaches the
// project, and a palette PNG becomes a PNG with a real alpha channel
// (colour type 6, 8 bits), which draws with its transparency everywhere.
// Throws (StreamError or std::runtime_error) when the data is invalid;
// the picture is then unchanged. An empty picture stays empty.
void SettleEditedPicture(TPicture& picture);

// The graphic as 32-bit pixels with alpha, found by drawing it on black
// and on white: where both drawings agree the pixel is opaque, where they
// differ by the full range it is transparent, and a partial difference
// gives the partial alpha that explains it. Transparent pixels are black.
QImage AlphaFromBlackAndWhite(const TGraphic& graphic);
