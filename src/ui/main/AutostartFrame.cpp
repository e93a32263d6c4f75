#include "AutostartFrame.h"

#include "AppState.h"
#include "AutostartFile.h"
#include "BotCatalogue.h"
#include "ConfigFile.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "WindowHelper.h"

#include <QAction>
#include <QBoxLayout>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolBar>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString folderStatus = u"This Will Allow You To Select The Config File To Launch On Startup"_s;
const QString cancelStatus = u"This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly"_s;
const QString labelStatus = u"This Is The Config File Wich Will Launch Automaticly When CS Starts   "
                            "Double click to edit this file."_s;
const QString none = u"None"_s;
const QString notAvailable = u"Not Available"_s;

} // namespace

AutostartFrame::AutostartFrame(AppState &state, AppSettings &settings, QBoxLayout *layout, QLabel *label,
                               QWidget *tabAfter, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_settings(settings)
    , m_label(label)
    , m_toolbar(new QToolBar(label->parentWidget()))
{
    m_toolbar->setObjectName(u"Toolbar1"_s);
    m_toolbar->setAccessibleName(u"Config File To Run"_s);
    m_toolbar->setIconSize(QSize(24, 24));
    QAction *folder = m_toolbar->addAction(Pictures::icon(Pictures::folder), u"Select Autostart File"_s);
    folder->setObjectName(u"folder"_s);
    QAction *cancel = m_toolbar->addAction(Pictures::icon(Pictures::cancel), u"No Autostart File"_s);
    cancel->setObjectName(u"cancel"_s);
    connect(folder, &QAction::triggered, this, &AutostartFrame::chooseFile);
    connect(cancel, &QAction::triggered, this, &AutostartFrame::clearFile);
    layout->insertWidget(0, m_toolbar);
    layout->setStretchFactor(label, 1);
    m_folderButton = m_toolbar->widgetForAction(folder);
    m_cancelButton = m_toolbar->widgetForAction(cancel);

    // The toolbar's buttons are reached by the keyboard too, in reading order.
    QWidget *previous = tabAfter;
    for (QAction *entry : {folder, cancel}) {
        QWidget *button = m_toolbar->widgetForAction(entry);
        button->setObjectName(entry->objectName() + u"Button"_s);
        button->setAccessibleName(entry->text());
        button->setAccessibleDescription(entry == folder ? folderStatus : cancelStatus);
        button->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    m_label->setAccessibleDescription(labelStatus);
    for (QWidget *watched : std::initializer_list<QWidget *>{m_toolbar, m_folderButton, m_cancelButton, m_label}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

int AutostartFrame::statusBoundary(qreal logicalDpi, int folderRight, int cancelLeft)
{
    const int scaled = int(std::lround(30.0 * logicalDpi / 96.0));
    return std::clamp(scaled, folderRight, std::max(folderRight, cancelLeft - 1));
}

void AutostartFrame::chooseFile()
{
    // The plain game runs no roster file, and nothing is chosen before an add-on is.
    if (m_state.botName.isEmpty() || m_state.botName == BotCatalogue::info(BotType::OriginalCS).botName)
        return;
    // A dialog open for an add-on chosen before makes way for one of the add-on chosen now.
    if (m_dialog && m_dialog->windowTitle() != u"Select "_s + m_state.botName + u" Autostart File"_s)
        m_dialog->close();
    WindowHelper::showSingle(m_dialog, [this] {
        auto *dialog = new ConfigFile(m_state, m_settings, m_label->window());
        connect(dialog, &ConfigFile::fileChosen, m_label, &QLabel::setText);
        return dialog;
    });
}

void AutostartFrame::clearFile()
{
    const AutostartFile::Result result = AutostartFile::clear(m_state.gameDir, m_state.botName, m_settings);
    if (!result.isDone()) {
        MessageBox::information(m_label->window(), result.message);
        return;
    }
    const BotInfo *bot = BotCatalogue::find(m_state.botName);
    if (!bot || bot->autostartShown)
        m_label->setText(none);
}

bool AutostartFrame::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::Enter:
        pointerAt(widget, int(static_cast<QEnterEvent *>(event)->position().x()));
        break;
    case QEvent::MouseMove:
        pointerAt(widget, int(static_cast<QMouseEvent *>(event)->position().x()));
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == m_label && m_label->text() != none && m_label->text() != notAvailable)
            Q_EMIT editRequested(m_label->text());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void AutostartFrame::pointerAt(QWidget *over, int x)
{
    if (over == m_label) {
        Q_EMIT statusText(labelStatus);
        return;
    }
    // A button reports the pointer in its own pixels; the boundary is counted from the toolbar's left edge.
    const int inToolbar = over == m_toolbar ? x : over->mapTo(m_toolbar, QPoint(x, 0)).x();
    const int boundary = statusBoundary(m_toolbar->logicalDpiX(), m_folderButton->geometry().right(),
                                        m_cancelButton->geometry().left());
    Q_EMIT statusText(inToolbar <= boundary ? folderStatus : cancelStatus);
}
