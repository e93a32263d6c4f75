#pragma once

#include <QString>

class QDialog;
class QWidget;

// Every message of the program is shown through here: a real message box with the program's title, no icon, and
// the buttons each question needs. It waits for the answer; the windows behind it stay as they were.
namespace MessageBox {

// The program's name, which no language changes.
inline const QString programTitle = QStringLiteral("Trevlin");

void information(QWidget *parent, const QString &text, const QString &title = programTitle);
// A question whose Yes cannot be undone: No is the default, and Escape answers it. True for Yes.
bool yesNo(QWidget *parent, const QString &text, const QString &title = programTitle);
// True when the user answers OK.
bool okCancel(QWidget *parent, const QString &text, const QString &title = programTitle);
enum class Answer { Yes, No, Cancel };
// A question whose No gives something up: Cancel, and Escape with it, goes back to what the user was doing.
Answer yesNoCancel(QWidget *parent, const QString &text, const QString &title = programTitle);

// What a dialog's Escape and close box do while it holds changes: asks question; Yes takes the dialog's own Done
// (accept()) instead of closing, Cancel keeps it open. True when it may close as it is.
bool mayCloseDialog(QDialog *dialog, bool hasChanges, const QString &question);

} // namespace MessageBox
