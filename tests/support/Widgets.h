#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QListWidget;
class QWidget;

// Finding and working the controls of a real window in tests, by their object names.
namespace Widgets {

void warnMissing(const QObject *parent, const QString &name);

// The child of that name and type, with a warning naming it when there is none.
template<typename T = QWidget> T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        warnMissing(parent, name);
    return found;
}

// Triggers the action of that name, or else clicks the button of that name.
void press(const QObject *window, const QString &name);
// The visible controls of window that a screen reader would announce without a name.
QStringList unnamedControls(QWidget *window);
// What a screen reader hears of a list: each item's name, with a '*' after a selected one.
QStringList heard(QWidget *list);
// The texts of a view's rows.
QStringList rows(const QAbstractItemView *view);
// Clicks a row as the pointer does, or double-clicks it.
void clickRow(QAbstractItemView *view, int row, bool twice = false);
void clickItem(QListWidget *list, const QString &text, bool twice = false);

} // namespace Widgets
