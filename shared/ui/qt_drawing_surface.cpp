#include "ui/qt_drawing_surface.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "atomic_file.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"

namespace quorla::ui {
namespace {

QColor ToColor(Rgb c) { return QColor::fromRgb((c >> 16) & 255, (c >> 8) & 255, c & 255); }

// The old font names the drawings ask for, on the fonts installed here.
void InstallFontNames() {
  static const bool installed = [] {
    DialogFont();  // "MS Sans Serif" and "Courier New"
    QFont::insertSubstitution("Courrier New", "Liberation Mono");
    return true;
  }();
  (void)installed;
}


}  // namespace

QImage PictureImage(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.pixels.size() < static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
    return {};  // not a whole picture: nothing to show
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    std::copy_n(picture.pixels.begin() + static_cast<ptrdiff_t>(y) * picture.width, picture.width, row);
  }
  return image;
}

QtDrawingSurface::QtDrawingSurface(int pixelWidth, int pixelHeight, double pixelRatio) {
  InstallFontNames();
  Resize(pixelWidth, pixelHeight, pixelRatio);
}

void QtDrawingSurface::Resize(int pixelWidth, int pixelHeight, double pixelRatio) {
  image_ = QImage(std::max(1, pixelWidth), std::max(1, pixelHeight), QImage::Format_RGB32);
  image_.fill(Qt::white);
  pixelRatio_ = pixelRatio > 0 ? pixelRatio : 1.0;
  fontCache_.reset();
}

QPointF QtDrawingSurface::ToPixels(LogicalPoint p) const {
  const double u = UnitsPerPixel();
  return {p.x / u, p.y / u};
}

QPen QtDrawingSurface::MakePen() const {
  QPen pen(ToColor(penColor_));
  pen.setWidthF(std::max(1, penWidth_) * pixelRatio_);
  pen.setStyle(penStyle_ == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

QBrush QtDrawingSurface::MakeBrush() const {
  return brushStyle_ == BrushStyle::Hollow ? QBrush(Qt::NoBrush) : QBrush(ToColor(brushColor_));
}

QFont QtDrawingSurface::MakeFont() const {
  if (fontCache_) return *fontCache_;
  QFont font(Q(font_.name));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(font_.height / UnitsPerPixel()))));
  font.setWeight(font_.bold ? QFont::Bold : QFont::Normal);
  if (font_.width > 0) {
    const double natural = QFontMetricsF(font).averageCharWidth();
    const double wanted = font_.width / UnitsPerPixel();
    if (natural > 0) font.setStretch(std::clamp(static_cast<int>(std::lround(100 * wanted / natural)), 1, 4000));
  }
  fontCache_ = font;
  return font;
}

void QtDrawingSurface::ApplyPen(Rgb color, PenStyle style, int width) {
  penColor_ = color;
  penStyle_ = style;
  penWidth_ = std::clamp(width, 0, 2);
}

void QtDrawingSurface::ApplyBrush(Rgb color, BrushStyle style) {
  brushColor_ = color;
  brushStyle_ = style;
}

void QtDrawingSurface::SetFont(const FontSpec& font) {
  font_ = font;
  fontCache_.reset();
}

void QtDrawingSurface::SetTextBackground(Rgb color, bool opaque) {
  textBackground_ = color;
  opaqueText_ = opaque;
}

void QtDrawingSurface::Clear() { image_.fill(ToColor(brushColor_)); }

void QtDrawingSurface::DrawLineSegment(LogicalPoint a, LogicalPoint b) {
  QPainter p(&image_);
  p.setPen(MakePen());
  p.drawLine(ToPixels(a), ToPixels(b));
}

void QtDrawingSurface::DrawRectangle(LogicalPoint a, LogicalPoint b) {
  QPainter p(&image_);
  p.setPen(MakePen());
  p.setBrush(MakeBrush());
  p.drawRect(QRectF(ToPixels(a), ToPixels(b)).normalized());
}

void QtDrawingSurface::DrawEllipse(LogicalPoint centre, double radius) {
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(MakePen());
  p.setBrush(MakeBrush());
  const double r = radius / UnitsPerPixel();
  p.drawEllipse(ToPixels(centre), r, r);
}

void QtDrawingSurface::Polygon(const std::vector<LogicalPoint>& points) {
  QPolygonF poly;
  for (const LogicalPoint& pt : points) poly << ToPixels(pt);
  QPainter p(&image_);
  p.setPen(MakePen());
  p.setBrush(MakeBrush());
  p.drawPolygon(poly);
}

void QtDrawingSurface::Polyline(const std::vector<LogicalPoint>& points) {
  QPolygonF poly;
  for (const LogicalPoint& pt : points) poly << ToPixels(pt);
  QPainter p(&image_);
  p.setPen(MakePen());
  p.drawPolyline(poly);
}

void QtDrawingSurface::Pixel(double x, double y, Rgb color) {
  const QPointF at = ToPixels({x, y});
  const int px = static_cast<int>(std::floor(at.x())), py = static_cast<int>(std::floor(at.y()));
  if (image_.valid(px, py)) image_.setPixel(px, py, 0xFF000000u | color);
}

double QtDrawingSurface::TextWidth(std::string_view text) const {
  return QFontMetricsF(MakeFont()).horizontalAdvance(Q(text)) * UnitsPerPixel();
}

void QtDrawingSurface::DrawText(LogicalPoint at, std::string_view text, TextAlign align) {
  const QFont font = MakeFont();
  const QFontMetricsF m(font);
  const QString s = Q(text);
  QPointF topLeft = ToPixels(at);
  const double w = m.horizontalAdvance(s);
  if (align == TextAlign::Centre) topLeft.rx() -= w / 2;
  if (align == TextAlign::Right) topLeft.rx() -= w;
  QPainter p(&image_);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(font);
  if (opaqueText_) p.fillRect(QRectF(topLeft, QSizeF(w, m.height())), ToColor(textBackground_));
  p.setPen(ToColor(font_.color));
  p.drawText(QPointF(topLeft.x(), topLeft.y() + m.ascent()), s);
}

Rgb QtDrawingSurface::PixelColor(int px, int py) const {
  if (!image_.valid(px, py)) return kWhite;
  return image_.pixel(px, py) & 0xFFFFFFu;
}

void QtDrawingSurface::SetRubberBand(std::optional<std::vector<LogicalPoint>> outline) {
  rubberBand_ = std::move(outline);
}

SavedArea QtDrawingSurface::SaveArea(double x1, double y1, double x2, double y2) const {
  const QRect r = QRectF(ToPixels({x1, y1}), ToPixels({x2, y2})).normalized().toAlignedRect() & image_.rect();
  SavedArea area{r.x(), r.y(), {r.width(), r.height(), {}}};
  area.picture.pixels.reserve(static_cast<size_t>(r.width()) * r.height());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) area.picture.pixels.push_back(image_.pixel(x, y));
  return area;
}

void QtDrawingSurface::RestoreArea(const SavedArea& area) {
  QPainter p(&image_);
  p.drawImage(QPoint(area.x, area.y), PictureImage(area.picture));
}

Picture QtDrawingSurface::Snapshot() const {
  Picture picture{image_.width(), image_.height(), {}};
  picture.pixels.resize(static_cast<size_t>(image_.width()) * image_.height());
  for (int y = 0; y < image_.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    std::copy_n(row, image_.width(), picture.pixels.begin() + static_cast<ptrdiff_t>(y) * image_.width());
  }
  return picture;
}

// Encoded in memory, then written beside the target and renamed over it: a failed save leaves the
// old file.
bool QtDrawingSurface::SaveToFile(const std::string& path) const {
  const QString lower = QString::fromStdString(path).toLower();
  const char* format = lower.endsWith(".bmp") ? "BMP" : lower.endsWith(".png") ? "PNG" : nullptr;
  if (!format) return false;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image_.save(&buffer, format)) return false;
  return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace quorla::ui
