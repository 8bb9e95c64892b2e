#pragma once

class QLabel;

namespace tessavo::loshu {

// Steps a label's type down, a quarter point at a time, until its text shows
// whole in the label's size, but not below minPoints. The layouts were drawn
// for one font; where another stands in for it, the text still reads whole
// instead of being cut off at the bottom or the right.
void shrinkToFit(QLabel *label, double minPoints = 6.5);

} // namespace tessavo::loshu
