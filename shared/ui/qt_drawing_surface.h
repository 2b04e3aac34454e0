#pragma once
// The drawing surface over a QImage painted with QPainter. The image has the device's pixels
// (the widget's size times its device pixel ratio), so drawings are made at full resolution and
// never scaled up.
#include <QFont>
#include <QImage>
#include <optional>

#include "drawing_surface.h"

namespace quorla::ui {

class QtDrawingSurface : public DrawingSurface {
 public:
  // pixelRatio: device pixels per widget pixel; it scales pen widths so lines keep their weight.
  QtDrawingSurface(int pixelWidth, int pixelHeight, double pixelRatio = 1.0);

  // A new, white picture of the given size; the drawing state is kept.
  void Resize(int pixelWidth, int pixelHeight, double pixelRatio);
  const QImage& image() const { return image_; }
  const std::optional<std::vector<LogicalPoint>>& rubberBand() const { return rubberBand_; }
  QPointF ToPixels(LogicalPoint p) const;

  int PixelWidth() const override { return image_.width(); }
  int PixelHeight() const override { return image_.height(); }
  void SetFont(const FontSpec& font) override;
  void SetTextBackground(Rgb color, bool opaque) override;
  void Clear() override;
  void Polygon(const std::vector<LogicalPoint>& points) override;
  void Polyline(const std::vector<LogicalPoint>& points) override;
  void Pixel(double x, double y, Rgb color) override;
  double TextWidth(std::string_view text) const override;
  Rgb PixelColor(int px, int py) const override;
  void SetRubberBand(std::optional<std::vector<LogicalPoint>> outline) override;
  SavedArea SaveArea(double x1, double y1, double x2, double y2) const override;
  void RestoreArea(const SavedArea& area) override;
  Picture Snapshot() const override;
  bool SaveToFile(const std::string& path) const override;

 protected:
  void ApplyPen(Rgb color, PenStyle style, int width) override;
  void ApplyBrush(Rgb color, BrushStyle style) override;
  void DrawLineSegment(LogicalPoint a, LogicalPoint b) override;
  void DrawRectangle(LogicalPoint a, LogicalPoint b) override;
  void DrawEllipse(LogicalPoint centre, double radius) override;
  void DrawText(LogicalPoint at, std::string_view text, TextAlign align) override;

 private:
  QPen MakePen() const;
  QBrush MakeBrush() const;
  QFont MakeFont() const;

  QImage image_;
  double pixelRatio_ = 1.0;
  Rgb penColor_ = kBlack, brushColor_ = kWhite, textBackground_ = kWhite;
  PenStyle penStyle_ = PenStyle::Solid;
  int penWidth_ = 0;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  bool opaqueText_ = false;
  FontSpec font_;
  mutable std::optional<QFont> fontCache_;  // the current font at the current size
  std::optional<std::vector<LogicalPoint>> rubberBand_;
};

// A QImage of a kept picture's pixels, and back.
QImage PictureImage(const Picture& picture);

}  // namespace quorla::ui
