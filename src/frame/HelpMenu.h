#pragma once

// The Help menu and the "Make Money Online" entry that the main window and
// the tool windows repeat, and the link labels of every window. Both come
// from one table each, keyed by window name, so every window gets the same
// entries wired to the same pages.

#include <QString>

namespace tessavo {

class Form;

enum class Page { Help, Home, Download, FullyBranded, CoBrand, Softwares };

// Opens one of the maker's pages.
void openPage(Page page);

// Adds "&Help" (online help, visit us, update, About) and "Make Money
// &Online" to the window's menu bar, as its row of the table says. Windows
// without a row get nothing.
void addHelpMenu(Form *window);

// Captions shared by link labels of several windows.
extern const QString kFullyBrandedText;
extern const QString kForumTitle;
extern const QString kForumInvitation;
extern const QString kCoBrandText;

// Sets the caption of every link label of the window that the table names
// (unless the window words it itself) and connects its click to its page.
void wireLinkLabels(Form *window);

// The page a window's link label opens, for checks.
bool linkLabelPage(const QString &window, const QString &label, Page *page);

} // namespace tessavo
