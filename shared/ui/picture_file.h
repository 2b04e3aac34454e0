#pragma once
// A picture drawn without a screen and written to a file, for command-line tools. The interface
// is free of Qt; a Qt application for the call is made when none exists (on the offscreen
// platform, so no display is needed).
#include <functional>
#include <string>

#include "drawing_surface.h"

namespace quorla::ui {

// Draws a white picture of width x height pixels and writes it to path (.png or .bmp, replaced
// atomically). False when the picture could not be written.
bool DrawPictureFile(int width, int height, const std::function<void(DrawingSurface&)>& draw, const std::string& path);

}  // namespace quorla::ui
