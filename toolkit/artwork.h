#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QSvgRenderer;

namespace lumor::toolkit {

// The artwork is SVG: rendered at its natural size times the device-pixel
// ratio, so it is crisp on any screen and lays out at its natural size.
QPixmap renderArtwork(QSvgRenderer& renderer, qreal devicePixelRatio);
// Loads a resource first; throws std::runtime_error when it is missing or
// not a valid SVG.
QPixmap renderArtwork(const QString& resourcePath, qreal devicePixelRatio);

}  // namespace lumor::toolkit
