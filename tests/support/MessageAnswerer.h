#pragma once

#include <QDialogButtonBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers every message box that opens while it is armed, always with the same answer: it is armed from its
// making, and arm() arms it afresh, forgetting what it saw; make it before the action that opens them, then check
// what was seen once the action has returned. text() and the others describe the last box; texts() lists them all.
class MessageAnswerer : public QObject
{
    Q_OBJECT

public:
    // The answer that presses Escape instead of a button.
    static constexpr QDialogButtonBox::StandardButton pressEscape = QDialogButtonBox::NoButton;

    explicit MessageAnswerer(QDialogButtonBox::StandardButton answer = QDialogButtonBox::Ok);

    void arm();
    bool answered() const { return !m_texts.isEmpty(); }
    QStringList texts() const { return m_texts; }
    QString text() const { return m_texts.isEmpty() ? QString() : m_texts.last(); }
    QString title() const { return m_title; }
    // The captions of the message box's buttons, in the order shown, without their '&'.
    QStringList buttons() const { return m_buttons; }
    bool hasIcon() const { return m_hasIcon; }

private:
    void answer();

    QDialogButtonBox::StandardButton m_answer;
    QTimer m_timer;
    QStringList m_texts;
    QString m_title;
    QStringList m_buttons;
    bool m_hasIcon = false;
};
