#pragma once

class QCalendarWidget;
class QLabel;
class QLineEdit;

// Fits the window's controls to the platform's fonts where they are larger than the design's.

// Keeps a label's text whole where the platform's font is wider than the design's: a one-line
// label grows sideways around its alignment (its background is transparent) and its font
// shrinks while the line is taller than the label or wider than iMaxWidth (0: no limit); a
// wrapped label grows down as far as iMaxHeight allows and then its font shrinks a little until
// the text fits.
void FitLabel(QLabel& label, int iMaxHeight = 0, int iMaxWidth = 0);

// Shrinks the calendar's font until all its rows fit its place (a larger system font).
void FitCalendar(QCalendarWidget& calendar);

// Shrinks a box's font until its digits fit inside the box (a larger system font).
void FitBoxFont(QLineEdit& box);
