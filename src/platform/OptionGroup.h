#pragma once

// Option buttons of which one excludes another and that the keyboard works
// as one control. Each arrow key moves the focus within the group and
// chooses the option it arrives at, whether or not one was chosen before:
// Left and Up the previous option, Right and Down the next, wrapping round;
// the option's click runs as a press of it would (behind a box, nothing
// happens: runCommand). The group is one Tab stop, entered on its chosen
// option, or on its first while none is chosen.
//
// The toolkit's own arrows choose only when an option is already chosen,
// look for an option lying above, below or beside, and stop at the edge;
// its Tab stop is whichever option last had the focus.

#include <QButtonGroup>

#include <initializer_list>

class QRadioButton;

namespace tessavo {

class OptionGroup : public QButtonGroup {
public:
    // The options in the order the arrows go through them; the first is the
    // Tab stop while none is chosen.
    OptionGroup(std::initializer_list<QRadioButton *> options, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step(QAbstractButton *from, int by);
    void settleTabStop();
};

} // namespace tessavo
