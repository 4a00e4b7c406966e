// A window icon drawn from an SVG file (usually a resource compiled into the program), at the
// sizes desktops ask for.
#pragma once

#include <QIcon>
#include <QString>

namespace proglink {

// A null icon when the file is missing or not an SVG drawing.
QIcon Svg_Icon(const QString& path);

}  // namespace proglink
