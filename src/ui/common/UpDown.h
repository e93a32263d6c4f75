#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A spinner bound to a text box: its arrows step the box's number by one within a range. The box itself takes
// any text; the spinner only asks for a step, and its owner decides what the box then holds. The Up and Down keys
// in the box step it too.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget *parent = nullptr);

    void setBuddy(QLineEdit *buddy);
    void setRange(int minimum, int maximum);
    int maximum() const { return m_maximum; }

    // The text a step of delta turns text into: its number moved by delta and kept within the range. A text that
    // is no whole number starts again from the lowest value.
    QString stepped(const QString &text, int delta) const;

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
