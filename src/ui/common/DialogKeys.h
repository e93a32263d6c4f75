#pragma once

#include <QObject>

class QDialog;

// Makes Enter in a dialog press the focused push button, and from anywhere else the dialog's default button,
// whatever the platform theme and whether or not the button is marked to take Enter. Some themes (GNOME's, as Qt's
// gtk3 theme reports it) count Enter among the keys that press any button: Enter then ticks a focused check box,
// and is swallowed by every group box it passes on its way from a text box to the dialog. Here the dialog gets
// Enter first from any other button, and straight from any control that leaves the key alone.
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
