#pragma once

#include <QList>
#include <QObject>

class QRadioButton;
class QWidget;

// Makes the radio buttons of a group one stop in the tab order, as option buttons are on the desktop: Tab comes to
// the checked one (the first enabled one while none is checked), whichever was focused last; the arrow keys move
// to the enabled one before or after it, wrapping round at the ends, and check it.
class RadioGroupFocus : public QObject
{
    Q_OBJECT

public:
    // The group's own auto-exclusive radio buttons, in the order they were made in, which is their reading order.
    static void attach(QWidget *group);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit RadioGroupFocus(QWidget *group);

    void updateTabStop();
    // The reachable button step places after from (before it, for a negative step), or nullptr.
    QRadioButton *neighbour(QRadioButton *from, int step) const;

    QList<QRadioButton *> m_buttons;
};
