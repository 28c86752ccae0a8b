#pragma once

class QFont;
class QMessageBox;
class QString;
class QWidget;

// Sizing a dialog to what it shows, in whatever language: its title must fit
// in the title bar and every column header of its tables must be readable.
// The prompter fits each dialog as it runs it, so a dialog that grew while
// it was used comes back at the size of its contents.
namespace DialogFit {

// What a title bar takes beside the title's text: the window icon, the
// close, minimise and maximise buttons and the margins.
constexpr int TitleAllowance = 120;

// The font title bars draw in (bold in most desktops: the wider guess).
QFont titleFont(const QWidget& window);
// The width a window needs for title: its text plus TitleAllowance.
int titleWidth(const QWidget& window, const QString& title);

// Widens the columns of the window's tables and lists to their headers, and
// the window to its title, then sizes it to its contents.
void fit(QWidget& window);
// The same for a message box, whose own sizing looks at its text alone.
void fit(QMessageBox& box);

} // namespace DialogFit
