#include "MessageBox.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButton ask(QWidget *parent, const QString &text, const QString &title,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(defaultButton);
    // A path or an address in a message can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void MessageBox::information(QWidget *parent, const QString &text, const QString &title)
{
    ask(parent, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBox::yesNo(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBox::okCancel(QWidget *parent, const QString &text, const QString &title)
{
    return ask(parent, text, title, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

MessageBox::Answer MessageBox::yesNoCancel(QWidget *parent, const QString &text, const QString &title)
{
    switch (ask(parent, text, title, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool MessageBox::mayCloseDialog(QDialog *dialog, bool hasChanges, const QString &question)
{
    if (!hasChanges)
        return true;
    switch (yesNoCancel(dialog, question)) {
    case Answer::Yes:
        dialog->accept();
        return false;
    case Answer::Cancel:
        return false;
    case Answer::No:
        break;
    }
    return true;
}
