#include "AutostartFrame.h"

#include "AutostartFile.h"
#include "BotCatalogue.h"
#include "ConfigFile.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "Session.h"
#include "WindowHelper.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QToolBar>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

AutostartFrame::AutostartFrame(Session &session, AppSettings &settings, QBoxLayout *layout, QLabel *label,
                               QWidget *tabAfter, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_settings(settings)
    , m_label(label)
    , m_toolbar(new QToolBar(label->parentWidget()))
{
    m_toolbar->setObjectName(u"Toolbar1"_s);
    m_toolbar->setAccessibleName(tr("Config File To Run"));
    m_toolbar->setIconSize(QSize(24, 24));
    QAction *folder = m_toolbar->addAction(Pictures::icon(Pictures::folder), tr("Select Autostart File"));
    folder->setObjectName(u"folder"_s);
    QAction *cancel = m_toolbar->addAction(Pictures::icon(Pictures::cancel), tr("No Autostart File"));
    cancel->setObjectName(u"cancel"_s);
    connect(folder, &QAction::triggered, this, &AutostartFrame::chooseFile);
    connect(cancel, &QAction::triggered, this, &AutostartFrame::clearFile);
    layout->insertWidget(0, m_toolbar);
    layout->setStretchFactor(label, 1);
    m_folderButton = m_toolbar->widgetForAction(folder);
    m_cancelButton = m_toolbar->widgetForAction(cancel);
    // What the status line says of each, and what assistive tools say of it further.
    m_folderButton->setAccessibleDescription(tr("This Will Allow You To Select The Config File To Launch On Startup"));
    m_cancelButton->setAccessibleDescription(
        tr("This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly"));
    m_label->setAccessibleDescription(
        tr("This Is The Config File Wich Will Launch Automaticly When CS Starts   Double click to edit this file."));

    // The toolbar's buttons are reached by the keyboard too, in reading order.
    QWidget *previous = tabAfter;
    for (QAction *entry : {folder, cancel}) {
        QWidget *button = m_toolbar->widgetForAction(entry);
        button->setObjectName(entry->objectName() + u"Button"_s);
        button->setAccessibleName(entry->text());
        button->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    m_label->installEventFilter(this);
    showFile(QString());
}

int AutostartFrame::statusBoundary(qreal logicalDpi, int folderRight, int cancelLeft)
{
    const int scaled = int(std::lround(30.0 * logicalDpi / 96.0));
    return std::clamp(scaled, folderRight, std::max(folderRight, cancelLeft - 1));
}

void AutostartFrame::showFile(const std::optional<QString> &fileName)
{
    m_fileName = fileName.value_or(QString());
    if (!fileName)
        m_label->setText(tr("Not Available"));
    else
        m_label->setText(fileName->isEmpty() ? tr("None") : *fileName);
}

void AutostartFrame::chooseFile()
{
    // The plain game runs no roster file, and nothing is chosen before an add-on is.
    const QString botName = m_session.botName();
    if (botName.isEmpty() || botName == BotCatalogue::info(BotType::OriginalCS).botName)
        return;
    WindowHelper::showSingle(m_dialog, [this] {
        auto *dialog = new ConfigFile(m_session, m_settings, m_label->window());
        connect(dialog, &ConfigFile::fileChosen, this, [this](const QString &fileName) { showFile(fileName); });
        return dialog;
    });
}

void AutostartFrame::clearFile()
{
    const QString botName = m_session.botName();
    const AutostartFile::Result result = AutostartFile::clear(m_session.gameDir(), botName, m_settings);
    if (!result.isDone()) {
        MessageBox::information(m_label->window(), result.message);
        return;
    }
    const BotInfo *bot = BotCatalogue::find(botName);
    if (!bot || bot->autostartShown)
        showFile(QString());
}

bool AutostartFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_label && !m_fileName.isEmpty())
        Q_EMIT editRequested(m_fileName);
    return QObject::eventFilter(watched, event);
}

std::optional<QString> AutostartFrame::statusText(const QWidget *over, QPoint global) const
{
    if (over == m_label)
        return m_label->accessibleDescription();
    if (over != m_toolbar)
        return std::nullopt;
    // The boundary is counted from the toolbar's left edge, over its buttons as between them.
    const int boundary = statusBoundary(m_toolbar->logicalDpiX(), m_folderButton->geometry().right(),
                                        m_cancelButton->geometry().left());
    return (m_toolbar->mapFromGlobal(global).x() <= boundary ? m_folderButton : m_cancelButton)
        ->accessibleDescription();
}
