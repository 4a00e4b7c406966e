#include "proglink/window/svg_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace proglink {

QIcon Svg_Icon(const QString& path) {
  QSvgRenderer svg(path);
  QIcon icon;
  if (!svg.isValid()) return icon;
  // Rendered here rather than by Qt's SVG icon plugin, which the program would then need
  // installed beside it.
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace proglink
