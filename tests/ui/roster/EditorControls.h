#pragma once

#include "MessageAnswerer.h"
#include "Roster.h"
#include "RosterAddOn.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "RosterWindow.h"
#include "Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

// An open roster editor, with its controls and dialogs found by their names, as its user finds them. Where the two
// formats' windows name a control or a dialog each their own way, both names are given, the "addbot" format's
// first: "AddScreen|AndroidAdd".
struct EditorControls
{
    RosterWindow *editor = nullptr;

    bool android() const { return editor->objectName() == QLatin1StringView("AndroidMain"); }
    QString named(const QString &names) const
    {
        return names.contains(u'|') ? names.section(u'|', android() ? 1 : 0, android() ? 1 : 0) : names;
    }
    // The editor's own control before one of its dialogs' of the same name.
    template<typename T = QWidget> T *at(const QString &names) const
    {
        if (T *own = editor->centralWidget()->findChild<T *>(named(names)))
            return own;
        return Widgets::child<T>(editor, named(names));
    }
    // The editor's dialog of that name while it is shown.
    QDialog *dialog(const QString &names) const
    {
        auto *found = editor->findChild<QDialog *>(named(names));
        return found && found->isVisible() ? found : nullptr;
    }

    const Roster &roster() const { return editor->document().roster(); }
    // The bots, each as "name, team, skill, skin".
    QStringList bots() const
    {
        QStringList lines;
        for (const RosterEntry &bot : roster().entries())
            lines << QStringList{bot.name, bot.team, bot.skill, bot.skin}.join(QStringLiteral(", "));
        return lines;
    }
    bool modified() const { return editor->document().isModified(); }
    bool saveEnabled() const { return at<QAction>(QStringLiteral("Save"))->isEnabled(); }
    void selectRow(int row) const
    {
        auto *names = at<QListView>(QStringLiteral("List1"));
        names->setCurrentIndex(names->model()->index(row, 0));
    }

    // "add", "edit" or "multiple": presses the editor's button that opens that dialog, and returns the dialog if it
    // opened.
    QDialog *open(const QString &kind) const
    {
        const bool add = kind == QLatin1StringView("add"), edit = kind == QLatin1StringView("edit");
        at<QPushButton>(add        ? QStringLiteral("Command3|Command4")
                            : edit ? QStringLiteral("Command1")
                                   : QStringLiteral("Command5"))
            ->click();
        return dialog(add        ? QStringLiteral("AddScreen|AndroidAdd")
                          : edit ? QStringLiteral("EditBotScreen|AndroidEdit")
                                 : QStringLiteral("AddMultiple|AndroidMultiple"));
    }
    // The messages that a mouse click on a dialog's button brings up, each answered with OK.
    QStringList pressIn(QWidget *dialog, const QString &button = QStringLiteral("Command1"))
    {
        MessageAnswerer answerer;
        QTest::mouseClick(Widgets::child<QPushButton>(dialog, button), Qt::LeftButton);
        return answerer.texts();
    }
    // Adds bots through the add dialog, as its user would; with savedIn, writes them to a file there, so that nothing
    // is unsaved.
    void addBots(int count, const QString &savedIn = {}) const
    {
        for (int i = 0; i < count; ++i) {
            QDialog *add = open(QStringLiteral("add"));
            QVERIFY(add);
            Widgets::child<QLineEdit>(add, QStringLiteral("Text1"))->setText(QStringLiteral("Bot%1").arg(i));
            Widgets::child<QLineEdit>(add, QStringLiteral("Text2"))->setText(QStringLiteral("3"));
            if (android())
                Widgets::child<QComboBox>(add, QStringLiteral("Combo1"))->setEditText(QStringLiteral("Terrorist"));
            Widgets::child<QPushButton>(add, QStringLiteral("Command1"))->click();
            QVERIFY(!dialog(QStringLiteral("AddScreen|AndroidAdd")));
        }
        if (!savedIn.isEmpty())
            QCOMPARE(editor->document().save(savedIn + QStringLiteral("/saved.cfg")), QString());
    }
};
