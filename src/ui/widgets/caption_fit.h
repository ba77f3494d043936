#pragma once

class QString;
class QWidget;

// The windows were laid out for an 8-point font narrower than DejaVu Sans. A
// control whose caption would overflow its designed width gets the condensed cut
// of its font, and when even that is too wide, a smaller size, never below 6
// points. Each line of a caption of several lines is measured on its own;
// padding is the room the control's frame takes from the width. A control not
// yet on screen is fitted when it is first shown: measuring loads font faces,
// which windows that may never be opened need not do at start-up.
void fitCaption(QWidget* control, const QString& caption, int width, int padding = 0);
