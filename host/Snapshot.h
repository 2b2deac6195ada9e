#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace host {

// What shows through where the widget draws nothing.
enum class Backdrop {
    Window,      // the widget's window background, as on screen
    Transparent, // nothing: only what the widget itself paints
};

// Renders inWidget and its children as they would appear on a screen of inDevicePixelRatio
// pixels per point, without a display: the image is that many times the widget's size and
// reports that device pixel ratio. Works for widgets that were never shown.
QImage snapshot(QWidget& inWidget, double inDevicePixelRatio = 1.0,
                Backdrop inBackdrop = Backdrop::Window);

// The same picture written to inPath as PNG; why it could not be, or nothing. Never waits for a
// reader: a pipe that nobody reads is a failure.
QString writeSnapshot(QWidget& inWidget, const QString& inPath, double inDevicePixelRatio = 1.0,
                      Backdrop inBackdrop = Backdrop::Window);

} // namespace host
