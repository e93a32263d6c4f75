#include "SetUpEntries.h"

#include "AddOnControls.h"
#include "AddOnInstall.h"
#include "ArchiveInstall.h"
#include "AppSettings.h"
#include "DescriptorOffer.h"
#include "GameDescriptor.h"
#include "GameFolder.h"
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
    QAction *setUp = fileMenu->addAction(tr("Set &Up An Add-on…"));
    setUp->setObjectName(u"setUpAddOnAction"_s);
    connect(setUp, &QAction::triggered, this, [this] { open(); });
    QAction *installArchive = fileMenu->addAction(tr("&Install An Add-on From Its Archive…"));
    installArchive->setObjectName(u"installArchiveAction"_s);
    connect(installArchive, &QAction::triggered, this, &SetUpEntries::installFromArchive);
    QAction *startDirectly = fileMenu->addAction(tr("Start the game &directly"));
    startDirectly->setObjectName(u"startDirectlyAction"_s);
    startDirectly->setCheckable(true);
    startDirectly->setChecked(this->startsDirectly());
    connect(startDirectly, &QAction::toggled, this, [this](bool checked) {
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

bool SetUpEntries::hasGameDir() const
{
    if (!m_session.gameDir().isEmpty())
        return true;
    MessageBox::information(
        m_window, tr("Please select your Half-Life\\Counter-Strike directory under the File -> Select Directory menu"));
    return false;
}

void SetUpEntries::open(std::optional<BotType> addOn, const QStringList &preselected)
{
    if (!hasGameDir())
        return;
    const QString gameDir = m_session.gameDir();
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
    const QString botName = BotCatalogue::info(*type).botName;
    QAction *setUp = menu.addAction(tr("Set &Up %1…").arg(botName));
    setUp->setObjectName(u"setUpThisAddOnAction"_s);
    QAction *uninstall = menu.addAction(tr("U&ninstall %1…").arg(botName));
    uninstall->setObjectName(u"uninstallAction"_s);
    uninstall->setEnabled(AddOnInstall::isInstalled(ArchiveInstall::dataFolder(), botName));
    uninstall->setToolTip(tr("Only an add-on installed from its archive through Trevlin can be uninstalled here."));
    QAction *chosen = menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    if (chosen == setUp)
        open(*type);
    else if (chosen == uninstall)
        this->uninstall(*type);
    return true;
}

AddOnInstall::Folders SetUpEntries::folders() const
{
    // The Half-Life folder that holds this mod folder, even in the run that chose the folder (whose session keeps the
    // Half-Life folder it started with).
    return {GameFolder::halfLifeDir(m_session.gameDir()), m_session.gameDir()};
}

void SetUpEntries::installFromArchive()
{
    if (!hasGameDir())
        return;
    ArchiveInstall::chooseAndInstall(m_window, folders(), [this](const QString &botName, const QStringList &libraries) {
        Q_EMIT addOnsChanged();
        if (const BotInfo *info = BotCatalogue::find(botName))
            open(info->type, libraries);
    });
}

void SetUpEntries::uninstall(BotType type)
{
    const QString botName = BotCatalogue::info(type).botName;
    if (!MessageBox::yesNo(m_window, tr("Uninstall %1? Trevlin removes the files its install added and puts back "
                                        "the game files it replaced.")
                                         .arg(botName)))
        return;
    ArchiveInstall::uninstall(m_window, folders(), botName, [this, type, botName](const AddOnInstall::Removal &removal) {
        Q_EMIT addOnUninstalled(type);
        if (!removal.error.isEmpty()) {
            MessageBox::information(m_window, tr("%1 is not uninstalled: %2").arg(botName, removal.error));
            return;
        }
        QString text = tr("%1 is uninstalled.").arg(botName);
        if (!removal.changed.isEmpty())
            text += u"\n\n"_s + tr("These files changed since the install and are left as they are:") + u"\n"_s
                + removal.changed.join(u'\n');
        MessageBox::information(m_window, text);
    });
}
