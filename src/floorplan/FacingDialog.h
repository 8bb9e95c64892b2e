#pragma once

#include "platform/Services.h"

#include <QString>

#include <optional>
#include <utility>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessavo::floorplan {

// Our own word for a size the plot box cannot hold, said by every dialog of
// the editor that turns feet into twips.
inline const QString kSizeTooLarge =
    QStringLiteral("This size is too large to be drawn on the plot. Please enter a smaller size.");

// How one size dialog refuses a size. A size over the room's width is
// refused without an icon by all of them.
struct SizeRefusals {
    QString empty;
    MsgIcon emptyIcon;
    QString overLength;
    MsgIcon overLengthIcon;
    QString overWidth;
};

// The facing frame and the size frame of the main entrance, of the back
// entrance or of the doors: the three dialogs ask the same way, so one type
// serves them. The editor's construction makes the controls, which belong to
// their frames; this object keeps pointers to them and does what is the same
// for all three. What differs (the entrance toggles, the door question, the
// element made) stays with the editor.
class FacingDialog {
public:
    // The facing frame: four options, OK and Cancel.
    QGroupBox *facingFrame = nullptr;
    QRadioButton *optSouth = nullptr;
    QRadioButton *optNorth = nullptr;
    QRadioButton *optEast = nullptr;
    QRadioButton *optWest = nullptr;
    QPushButton *directionOk = nullptr;
    QPushButton *directionCancel = nullptr;
    // The size frame: a width box and a length box on one spot, OK and Cancel.
    QGroupBox *sizeFrame = nullptr;
    QLineEdit *widthBox = nullptr;
    QLineEdit *lengthBox = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;

    void showFacing();
    void hideFacing();

    // The facing confirmed against the caption at the top of the plot: a
    // facing toward it or away from it is measured across (the width box),
    // a side facing along (the length box). Opens the size frame.
    void confirmFacing(const QString &up);

    // Holds the shown box against the size of the element clicked last; on
    // a refusal says why and puts the focus in the box.
    bool sizeFits(const SizeRefusals &refusals);

    // Width and height in twips at the plot's scales (a hidden, empty box
    // reads 0); nothing, after saying so, when the plot cannot hold them.
    std::optional<std::pair<double, double>> sizeInTwips() const;

    // Hides the size frame and empties both boxes for the next time.
    void closeSizeFrame();
};

} // namespace tessavo::floorplan
