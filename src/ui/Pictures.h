#pragma once

#include <windows.h>

#include "ui/PictureScale.h"

// Pictures are PNG resources at two sizes: type "PNG" the picture as drawn for 96 dpi,
// "PNG2X" the same drawing at twice that, both under the picture's id.

// The picture's size as drawn for 96 dpi; empty when there is no such picture.
PixelSize PictureSize(int pictureId);

// The picture at `size`, decoded and scaled once per process and size and kept; null when
// the resource is missing or cannot be decoded.
HBITMAP PictureAt(int pictureId, PixelSize size);

// Shows the picture on a picture static or a picture button, filling the control: its
// size in pixels is the dialog's, so the picture follows the dialog's scale.
void ShowPicture(HWND control, int pictureId);
