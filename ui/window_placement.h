#pragma once

#include <QWidget>

namespace quorvex {

// Places window so that its centre lies on the centre of over (or of over's screen when over
// is hidden or missing).
void CentreOn(QWidget* window, const QWidget* over);

// Shrinks window to the free area of its screen when it has grown larger, and moves it back
// inside, so its title bar and close box stay reachable.
void FitOnScreen(QWidget* window);

}  // namespace quorvex
