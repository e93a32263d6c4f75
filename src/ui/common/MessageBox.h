#pragma once

#include <QString>

class QWidget;

// Every message of the program is shown through here: a real message box with the program's title, no icon, and
// the buttons each question needs. It waits for the answer; the windows behind it stay as they were.
namespace MessageBox {

inline const QString programTitle = QStringLiteral("Trevlin");

void information(QWidget *parent, const QString &text, const QString &title = programTitle);
// True when the user answers OK.
bool okCancel(QWidget *parent, const QString &text, const QString &title = programTitle);
// True when the user answers Yes.
bool yesNo(QWidget *parent, const QString &text, const QString &title = programTitle);

} // namespace MessageBox
