#pragma once

#include <QObject>

class QDialog;

// Makes Enter press a dialog's default button from wherever the focus is in it, whatever the platform theme. Some
// themes (GNOME's, as Qt's gtk3 theme reports it) count Enter among the keys that press a button: Enter then
// presses the focused button instead, ticks a focused check box, and is swallowed by every group box it passes on
// its way from a text box to the dialog. Here the dialog gets Enter first from any button but the default one
// (which presses itself), and straight from any control that leaves the key alone.
class DialogKeys : public QObject
{
    Q_OBJECT

public:
    static void attach(QDialog *dialog);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DialogKeys(QDialog *dialog);

    QDialog *m_dialog;
};
