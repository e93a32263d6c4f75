#pragma once

#include <QObject>

class QWidget;

// Makes Enter in a window press the focused push or tool button, and from anywhere else in a dialog the dialog's
// default button, whatever the platform theme and whether or not the button is marked to take Enter. Some themes
// (GNOME's, as Qt's gtk3 theme reports it) count Enter among the keys that press any button: Enter then ticks a
// focused check box, and is swallowed by every group box it passes on its way from a text box to the dialog. Here
// the window gets Enter first from any other button, and straight from any control that leaves the key alone.
class DialogKeys : public QObject
{
    Q_OBJECT

public:
    static void attach(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DialogKeys(QWidget *window);

    QWidget *m_window;
};
