#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QFont>
#include <QPalette>

namespace quillfen::style {

// The window's fonts and colours, in one place.

// Arial 9 pt bold: the window, its frame, the date boxes and both lists. Where Arial is not
// installed the desktop's font matching picks its metric twin (Liberation Sans).
QFont windowFont();
// Arial 11.25 pt bold: the push buttons.
QFont buttonFont();

// The window is white. A desktop with a dark palette would leave its light text on that
// white, so the whole window gets a complete light palette: dark text on white and light
// grey, in every colour group, whatever the desktop's palette.
QPalette lightPalette();

} // namespace quillfen::style
