#pragma once

#include <QWidget>

namespace quorvex {

// Places window so that its centre lies on the centre of over (or of over's screen when over
// is hidden or missing).
void CentreOn(QWidget* window, const QWidget* over);

}  // namespace quorvex
