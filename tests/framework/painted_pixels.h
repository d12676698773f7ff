#pragma once
// Reading back what a test's handlers painted.

#include <QColor>

// Text the test handlers colour pure red comes out red, or nearly so at its
// anti-aliased edges.
inline bool IsRedText(const QColor& pixel) { return pixel.red() > 200 && pixel.green() < 60 && pixel.blue() < 60; }
