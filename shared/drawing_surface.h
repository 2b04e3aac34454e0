#pragma once
// A kept picture that windows draw into and repaint from, in logical units: the larger axis of
// the surface spans 1000 units, so circles stay round and drawings scale with the window. The
// antenna editor's graphs and the map viewer draw through this interface; the Qt implementation
// (ui/qt_drawing_surface) paints into an image at the device's pixels, tests draw the same way
// without a screen.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host.h"

namespace quorla {

using Rgb = uint32_t;  // 0xRRGGBB
constexpr Rgb MakeRgb(int r, int g, int b) {
  return (static_cast<Rgb>(r & 255) << 16) | (static_cast<Rgb>(g & 255) << 8) | static_cast<Rgb>(b & 255);
}
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;

enum class PenStyle { Solid, Dashed };
enum class BrushStyle { Solid, Hollow };
enum class TextAlign { Left, Centre, Right };  // against the current point; the row hangs below it

struct LogicalPoint {
  double x = 0.0, y = 0.0;
};

struct FontSpec {
  std::string name = "MS Sans Serif";
  double height = 20.0;  // logical units, cell height
  double width = 0.0;    // average character width in logical units; 0 = the font's own
  bool bold = false;
  Rgb color = kBlack;
};

// A part of the picture kept for restoring it later (under a readout or a marker).
struct SavedArea {
  int x = 0, y = 0;  // pixels
  Picture picture;
};

// The point at a clock angle (degrees, 0 up, clockwise) and a distance from a point.
LogicalPoint PointAtClockAngle(LogicalPoint from, double angleDeg, double length);

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  // Size of the picture in pixels, and logical units per pixel (1000 / the larger pixel axis).
  virtual int PixelWidth() const = 0;
  virtual int PixelHeight() const = 0;
  double LogicalWidth() const;
  double LogicalHeight() const;
  double UnitsPerPixel() const;
  LogicalPoint ToLogical(int px, int py) const;

  // State for later calls.
  // Pen width 0..2 in screen pixels (0 and 1: the thinnest line).
  void SetPen(Rgb color, PenStyle style = PenStyle::Solid, int width = 0) { ApplyPen(color, style, width); }
  void SetBrush(Rgb color, BrushStyle style = BrushStyle::Solid) { ApplyBrush(color, style); }
  virtual void SetFont(const FontSpec& font) = 0;
  // Text background: opaque rows fill their cell with the colour, transparent ones do not.
  virtual void SetTextBackground(Rgb color, bool opaque) = 0;

  // Drawing in logical units.
  virtual void Clear() = 0;  // the whole picture in the brush colour
  void MoveTo(double x, double y) { current_ = {x, y}; }
  LogicalPoint CurrentPoint() const { return current_; }
  void LineTo(double x, double y);
  void Line(double x1, double y1, double x2, double y2);
  void Rect(double x2, double y2);  // from the current point; filled with the brush, framed by the pen
  void Circle(double radius);       // round the current point
  void Ray(double clockAngleDeg, double length);  // from the current point, which stays
  virtual void Polygon(const std::vector<LogicalPoint>& points) = 0;  // filled and framed
  virtual void Polyline(const std::vector<LogicalPoint>& points) = 0;
  virtual void Pixel(double x, double y, Rgb color) = 0;
  void TextRow(std::string_view text, TextAlign align = TextAlign::Left);
  virtual double TextWidth(std::string_view text) const = 0;  // logical units, current font

  // Reading.
  virtual Rgb PixelColor(int px, int py) const = 0;

  // A rubber-band shape shown over the picture without changing it; nothing clears it.
  virtual void SetRubberBand(std::optional<std::vector<LogicalPoint>> outline) = 0;

  // Pictures.
  virtual SavedArea SaveArea(double x1, double y1, double x2, double y2) const = 0;
  virtual void RestoreArea(const SavedArea& area) = 0;
  virtual Picture Snapshot() const = 0;
  // Writes the picture to a file (format from the extension: .png or .bmp); false on failure.
  virtual bool SaveToFile(const std::string& path) const = 0;
  void CopyToClipboard(Host& host) const { host.SetClipboardPicture(Snapshot()); }

 protected:
  virtual void ApplyPen(Rgb color, PenStyle style, int width) = 0;
  virtual void ApplyBrush(Rgb color, BrushStyle style) = 0;
  virtual void DrawLineSegment(LogicalPoint a, LogicalPoint b) = 0;
  virtual void DrawRectangle(LogicalPoint a, LogicalPoint b) = 0;
  virtual void DrawEllipse(LogicalPoint centre, double radius) = 0;
  virtual void DrawText(LogicalPoint at, std::string_view text, TextAlign align) = 0;

 private:
  LogicalPoint current_;
};

}  // namespace quorla
