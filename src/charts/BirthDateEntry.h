#pragma once

// The day / month / year drop-down lists that the input windows of the chart
// tools share. Not a window of its own: it puts the three lists on a parent
// the window gives (the frame holding the entries), fills them, selects the
// window's defaults and runs the birth-date checks of charts/BirthDate.h.
//
// The lists are children of the parent and are owned by it; this object only
// keeps pointers to them, so it lives as a plain member of the window.
// Tab order, buddies and fonts stay with the window, which reaches the lists
// through cboDate(), cboMonth() and cboYear().

#include <QDate>
#include <QString>

#include <optional>

class QComboBox;
class QWidget;

namespace tessavo {

struct BirthDateEntryLayout {
    // Position of one list inside the parent, in twips.
    struct Box {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };
    Box day;
    Box month;
    Box year;
    int firstYear = 1900; // the year list runs firstYear..lastYear
    int lastYear = 2050;
    int dayPos = 0; // defaults selected after filling, as list positions
    int monthPos = 0;
    int yearPos = 0;
};

class BirthDateEntry {
public:
    // Creates cboDate, cboMonth and cboYear (in that order) on parent, fills
    // them in the order day, month, year and selects the layout's defaults.
    BirthDateEntry(QWidget *parent, const BirthDateEntryLayout &layout);

    BirthDateEntry(const BirthDateEntry &) = delete;
    BirthDateEntry &operator=(const BirthDateEntry &) = delete;

    QComboBox *cboDate() const { return m_cboDate; }
    QComboBox *cboMonth() const { return m_cboMonth; }
    QComboBox *cboYear() const { return m_cboYear; }

    int dayPosition() const;   // 0..30
    int monthPosition() const; // 0..11
    int yearPosition() const;  // 0 is the first year of the list
    QString dayText() const;   // "1".."31"
    QString monthText() const; // "January".."December"
    QString yearText() const;  // e.g. "1970"

    // Names the lists for a screen reader after the caption of the entry, each
    // with its part: "Birth Day, day", "Birth Day, month", "Birth Day, year".
    void nameAfter(const QString &caption);

    // Selects the given list positions (e.g. to show a previous entry again).
    void select(int dayPos, int monthPos, int yearPos);

    // Runs the birth-date checks on the current picks. On the first failure
    // shows its message (information icon, OK) and returns false; the focus
    // stays where it is.
    bool validate() const;

    // The picked date, read with English month names; nothing when the picks
    // do not form a calendar date.
    std::optional<QDate> date() const;

private:
    QComboBox *m_cboDate = nullptr;
    QComboBox *m_cboMonth = nullptr;
    QComboBox *m_cboYear = nullptr;
};

// The Kua number window's lists: years 1900..2050, 1 January 1970 selected.
BirthDateEntryLayout kuaBirthDateLayout();

} // namespace tessavo
