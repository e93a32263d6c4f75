#pragma once

#include <QDialogButtonBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the next modal dialog: arm it before the action that opens the dialog, then check what was seen once
// the action has returned.
class MessageAnswerer : public QObject
{
    Q_OBJECT

public:
    explicit MessageAnswerer(QDialogButtonBox::StandardButton answer = QDialogButtonBox::Ok);

    void arm();
    bool answered() const { return m_answered; }
    QString text() const { return m_text; }
    QString title() const { return m_title; }
    // The captions of the message box's buttons, in the order shown, without their '&'.
    QStringList buttons() const { return m_buttons; }
    bool hasIcon() const { return m_hasIcon; }

private:
    void answer();

    QDialogButtonBox::StandardButton m_answer;
    QTimer m_timer;
    bool m_answered = false;
    QString m_text;
    QString m_title;
    QStringList m_buttons;
    bool m_hasIcon = false;
};
