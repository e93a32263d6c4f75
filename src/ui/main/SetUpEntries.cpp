#include "SetUpEntries.h"

#include "AddOnControls.h"
#include "AppSettings.h"
#include "DescriptorOffer.h"
#include "GameDescriptor.h"
#include "MessageBox.h"
#include "Session.h"
#include "SetUpAddOn.h"
#include "WindowHelper.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString directlyOn = u"1"_s;
const QString directlyOff = u"0"_s;

} // namespace

SetUpEntries::SetUpEntries(Session &session, AppSettings &settings, const AddOnControls &addOns, QMenu *fileMenu,
                           QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_settings(settings)
    , m_addOns(addOns)
    , m_window(window)
{
    fileMenu->addSeparator()->setObjectName(u"setUpSeparator"_s);
    m_setUp = fileMenu->addAction(tr("Set &Up An Add-on…"));
    m_setUp->setObjectName(u"setUpAddOnAction"_s);
    connect(m_setUp, &QAction::triggered, this, [this] { open(); });
    m_startDirectly = fileMenu->addAction(tr("Start the game &directly"));
    m_startDirectly->setObjectName(u"startDirectlyAction"_s);
    m_startDirectly->setCheckable(true);
    m_startDirectly->setChecked(startsDirectly());
    connect(m_startDirectly, &QAction::toggled, this, [this](bool checked) {
        m_settings.setValue(AppSettings::Key::StartDirectly, checked ? directlyOn : directlyOff);
    });

    for (const BotInfo &bot : BotCatalogue::all()) {
        const AddOnControls::Controls &controls = m_addOns.of(bot.type);
        if (!controls.edit)
            continue;
        controls.option->installEventFilter(this);
        controls.edit->installEventFilter(this);
    }
}

bool SetUpEntries::startsDirectly() const
{
    return m_settings.value(AppSettings::Key::StartDirectly) == directlyOn;
}

void SetUpEntries::open(std::optional<BotType> addOn, const QStringList &preselected)
{
    const QString gameDir = m_session.gameDir();
    if (gameDir.isEmpty()) {
        MessageBox::information(
            m_window,
            tr("Please select your Half-Life\\Counter-Strike directory under the File -> Select Directory menu"));
        return;
    }
    if (GameDescriptor::examine(gameDir).kind != GameDescriptor::Finding::Kind::Kept) {
        switch (DescriptorOffer::offer(m_window, gameDir)) {
        case DescriptorOffer::Outcome::Kept:
            Q_EMIT descriptorKept();
            break;
        case DescriptorOffer::Outcome::NothingToOffer:
            MessageBox::information(m_window,
                                    tr("An add-on is set up from the game's own liblist.gam, and the folder \"%1\" "
                                       "holds none that can be read.")
                                        .arg(QDir::toNativeSeparators(gameDir)));
            return;
        case DescriptorOffer::Outcome::Declined:
        case DescriptorOffer::Outcome::Told:
            return;
        }
    }
    // A dialog open already is brought up, with the add-on asked for now.
    const bool opening = !m_dialog;
    WindowHelper::showSingle(m_dialog, [this, addOn, preselected] {
        auto *dialog = new SetUpAddOn(m_session, addOn, preselected, m_window);
        connect(dialog, &SetUpAddOn::addOnSetUp, this, &SetUpEntries::addOnSetUp);
        return dialog;
    });
    if (!opening) {
        if (addOn)
            m_dialog->chooseAddOn(*addOn);
        for (const QString &path : preselected)
            m_dialog->chooseLibrary(path);
    }
}

std::optional<QString> SetUpEntries::statusText(const QWidget *control) const
{
    const std::optional<BotType> type = m_addOns.addOnOf(control);
    if (!type || control->isEnabled())
        return std::nullopt;
    return tr("%1 is not set up in this game folder: right-click it, or choose File -> Set Up An Add-on…, to set it "
              "up from its files.")
        .arg(BotCatalogue::info(*type).botName);
}

bool SetUpEntries::eventFilter(QObject *watched, QEvent *event)
{
    const std::optional<BotType> type = event->type() == QEvent::ContextMenu ? m_addOns.addOnOf(watched) : std::nullopt;
    if (!type)
        return QObject::eventFilter(watched, event);
    QMenu menu(m_window);
    menu.setObjectName(u"setUpMenu"_s);
    QAction *setUp = menu.addAction(tr("Set &Up %1…").arg(BotCatalogue::info(*type).botName));
    setUp->setObjectName(u"setUpThisAddOnAction"_s);
    if (menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos()) == setUp)
        open(*type);
    return true;
}
