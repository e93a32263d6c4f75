#include "Widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

void Widgets::warnMissing(const QObject *parent, const QString &name)
{
    qWarning("%s has no control named %s", qPrintable(parent->objectName()), qPrintable(name));
}

void Widgets::press(const QObject *window, const QString &name)
{
    if (auto *action = window->findChild<QAction *>(name))
        action->trigger();
    else if (auto *button = child<QAbstractButton>(window, name))
        button->click();
}

QStringList Widgets::unnamedControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const bool named = qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)
            || qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractItemView *>(control)
            || qobject_cast<QPlainTextEdit *>(control) || control->inherits("UpDown");
        // A combo box's own text box is heard as the combo box.
        if (!named || !control->isVisibleTo(window) || qobject_cast<QComboBox *>(control->parentWidget()))
            continue;
        const QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible || accessible->text(QAccessible::Name).isEmpty())
            unnamed.append(window->objectName() + u'/' + control->objectName());
    }
    return unnamed;
}

QStringList Widgets::heard(QWidget *list)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list);
    QStringList items;
    for (int i = 0; accessible && i < accessible->childCount(); ++i) {
        const QAccessibleInterface *item = accessible->child(i);
        items.append(item->text(QAccessible::Name) + (item->state().selected ? QStringLiteral("*") : QString()));
    }
    return items;
}

QStringList Widgets::rows(const QAbstractItemView *view)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

void Widgets::clickRow(QAbstractItemView *view, int row, bool twice)
{
    const QPoint centre = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void Widgets::clickItem(QListWidget *list, const QString &text, bool twice)
{
    clickRow(list, list->row(list->findItems(text, Qt::MatchExactly).value(0)), twice);
}
