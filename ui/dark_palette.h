#pragma once

#include <QPalette>

namespace quorvex {

// A dark desktop palette as many themes ship it, including the dark highlight on a dark window
// that makes links drawn in the highlight colour hard to read. For the pictures of docs/ and the
// tests that check the windows stay readable under it.
QPalette DarkPalette();

}  // namespace quorvex
