#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A spinner bound to a text box: its arrows step the box's number by one within a range. The spinner only asks for
// a step, and its owner decides what the box then holds. The Up and Down keys in the box step it too.
//
// What the user types into the box is what the arrows could give: digits (a minus sign only when the range
// reaches below zero), refused as soon as the number grows past the range. A number below the range can still be
// on its way to one within it, so it is taken while typing and told at Done (mayUseNumbers). A text the program
// puts in (a default, a value read from a file) stands as it is, in the range or not, until the user edits it.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    void setBuddy(QLineEdit *buddy);
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The text a step of delta turns text into: its number moved by delta and kept within the range. A text that
    // is no whole number starts again from the lowest value.
    QString stepped(const QString &text, int delta) const;

    // Done's check of the number boxes of window: the first enabled box whose up-down could not give what it
    // holds (empty, or typed below the range) is told and takes the focus. True when every box may be used.
    static bool mayUseNumbers(QWidget *window);

Q_SIGNALS:
    void stepRequested(int delta);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QPointer<QLineEdit> m_buddy;
    int m_minimum = 0;
    int m_maximum = 10;
};
