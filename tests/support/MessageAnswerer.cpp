#include "MessageAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

MessageAnswerer::MessageAnswerer(QDialogButtonBox::StandardButton answer)
    : m_answer(answer)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &MessageAnswerer::answer);
    arm();
}

void MessageAnswerer::arm()
{
    m_texts.clear();
    m_title.clear();
    m_buttons.clear();
    m_timer.start();
}

void MessageAnswerer::answer()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    m_texts.append(box->text());
    m_title = box->windowTitle();
    m_hasIcon = box->icon() != QMessageBox::NoIcon;
    m_buttons.clear();
    const auto buttonBox = box->findChild<QDialogButtonBox *>();
    for (QAbstractButton *button : buttonBox->buttons())
        m_buttons.append(button->text().remove(u'&'));
    if (m_answer == pressEscape) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
    }
    QAbstractButton *button = box->button(static_cast<QMessageBox::StandardButton>(m_answer));
    if (button)
        button->click();
    else
        box->reject();
}
