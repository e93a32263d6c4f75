#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QLabel;

// A check box whose caption stands apart from it, as a label in the column before: a click on the caption works
// the box, as a click on a box's own text would.
class CaptionClick : public QObject
{
    Q_OBJECT

public:
    static void attach(QLabel *caption, QAbstractButton *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CaptionClick(QLabel *caption, QAbstractButton *box);

    QPointer<QAbstractButton> m_box;
};
