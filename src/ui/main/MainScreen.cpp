#include "MainScreen.h"

#include "ui_MainScreen.h"

#include "AppSettings.h"
#include "AppState.h"
#include "BotChoice.h"
#include "ConfigScreen.h"
#include "DirSelect.h"
#include "EditScreen.h"
#include "FolderListing.h"
#include "GameLauncher.h"
#include "GameSetup.h"
#include "Liblist.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "Platform.h"
#include "RadioGroupFocus.h"
#include "RosterAddOn.h"
#include "WindowHelper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QToolBar>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString selectDirectoryMessage
    = u"Please select your Half-Life\\Counter-Strike directory under the File -> Select Directory menu"_s;
const QString notSetUpMessage = u"You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or "
                                "Select Your Directory Again."_s;
const QString launchDirectoryMessage
    = u"Please select your Half-Life\\Counterstrike directory under the File -> Config menu"_s;
const QString versionMessage
    = u"This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway."_s;
const QString versionTitle = u"Error In Liblist.gam File"_s;

const QString folderStatus = u"This Will Allow You To Select The Config File To Launch On Startup"_s;
const QString cancelStatus = u"This Option Will Make CS Start Without Any Config File Beeing Launched Automaticly"_s;

const QString label2Status = u"This Is The Config File Wich Will Launch Automaticly When CS Starts   "
                             "Double click to edit this file."_s;

} // namespace

MainScreen::MainScreen(AppState &state, AppSettings &settings, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainScreen>())
    , m_state(state)
    , m_settings(settings)
    , m_random(random)
{
    m_ui->setupUi(this);
    setWindowIcon(Pictures::icon(Pictures::appIcon));
    m_ui->Command3->setIcon(Pictures::icon(Pictures::play));
    m_ui->Command4->setIcon(Pictures::icon(Pictures::exit));
    m_ui->Command9->setIcon(Pictures::icon(Pictures::serverConfig));
    // The separator between the edit entries and the folder entries is named like every other menu entry.
    const QList<QAction *> fileActions = m_ui->file->actions();
    for (QAction *entry : fileActions) {
        if (entry->isSeparator())
            entry->setObjectName(u"separator1"_s);
    }
    setUpToolbar();
    setUpStatusTexts();
    setUpAccessibility();
    connectControls();
}

MainScreen::~MainScreen() = default;

void MainScreen::setUpToolbar()
{
    m_toolbar = new QToolBar(m_ui->Frame2);
    m_toolbar->setObjectName(u"Toolbar1"_s);
    m_toolbar->setAccessibleName(u"Config File To Run"_s);
    m_toolbar->setIconSize(QSize(24, 24));
    QAction *folder = m_toolbar->addAction(Pictures::icon(Pictures::folder), u"Select Autostart File"_s);
    folder->setObjectName(u"folder"_s);
    QAction *cancel = m_toolbar->addAction(Pictures::icon(Pictures::cancel), u"No Autostart File"_s);
    cancel->setObjectName(u"cancel"_s);
    m_ui->frame2Layout->insertWidget(0, m_toolbar);
    m_ui->frame2Layout->setStretchFactor(m_ui->Label2, 1);
    // The toolbar's buttons are reached by the keyboard too, in reading order: after the edit buttons, before play.
    QWidget *previous = m_ui->Command14;
    for (QAction *entry : {folder, cancel}) {
        QWidget *button = m_toolbar->widgetForAction(entry);
        button->setObjectName(entry->objectName() + u"Button"_s);
        button->setAccessibleName(entry->text());
        button->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, m_ui->Command3);
}

void MainScreen::setUpStatusTexts()
{
    const QString csText = u"This Displays Wich Counter-Strike Version The Bot Supports"_s;
    const QString hlText = u"This Displays Wich Half-Life Version The Bot Supports"_s;
    const QString dllText = u"This Displays Wich DLL File The Bot Uses"_s;
    m_statusTexts = {
        {m_ui->Command3, u"Play Counter-Strike With The Selected Bot!"_s},
        {m_ui->Command4, u"This Exits Counter-Strike Trevlin"_s},
        {m_ui->Command9,
         u"Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message"_s},
        {m_ui->Frame4, u"This Displays Bot Information Found In The Selected Bot's 'Liblist.gam' File."_s},
        {m_ui->Label1, u"This Displays Wich Maps Are Supported By The Bot"_s},
        {m_ui->Label3, csText},
        {m_ui->Label6, csText},
        {m_ui->Label4, hlText},
        {m_ui->Label7, hlText},
        {m_ui->Label5, dllText},
        {m_ui->Label8, dllText},
        {m_ui->Label2, label2Status},
        {m_toolbar, cancelStatus},
        {m_toolbar->widgetForAction(action("folder"_L1)), folderStatus},
        {m_toolbar->widgetForAction(action("cancel"_L1)), cancelStatus},
        {m_ui->centralwidget, QString()},
        {m_ui->Frame2, QString()},
    };
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (QAbstractButton *button = editButton(bot.type))
            m_statusTexts.insert(button, bot.editStatusText);
    }
    for (auto it = m_statusTexts.cbegin(); it != m_statusTexts.cend(); ++it)
        it.key()->installEventFilter(this);
}

void MainScreen::setUpAccessibility()
{
    // Every control is named for assistive tools by its caption, and every value by what it shows, with its caption
    // (a label or a frame's title) as its label; the status line describes each further.
    for (auto it = m_statusTexts.cbegin(); it != m_statusTexts.cend(); ++it) {
        if (auto *widget = qobject_cast<QWidget *>(it.key()); widget && !it.value().isEmpty())
            widget->setAccessibleDescription(it.value());
    }
    // The add-ons are one stop for the keyboard, at the chosen one.
    RadioGroupFocus::attach(m_ui->Frame1);
}

void MainScreen::connectControls()
{
    for (const BotInfo &bot : BotCatalogue::all()) {
        const BotType type = bot.type;
        // A choice runs when the button becomes the chosen one, never again while it stays chosen.
        connect(optionButton(type), &QRadioButton::toggled, this, [this, type](bool checked) {
            if (checked)
                choose(type);
        });
        if (QAbstractButton *button = editButton(type))
            connect(button, &QAbstractButton::clicked, this, [this, type] { editBots(type, EditControl::Button); });
        if (!bot.editMenuEntry.isEmpty()) {
            connect(action(bot.editMenuEntry), &QAction::triggered, this,
                    [this, type] { editBots(type, EditControl::MenuEntry); });
        }
        if (!bot.updateMenuEntry.isEmpty()) {
            connect(action(bot.updateMenuEntry), &QAction::triggered, this,
                    [this, name = QString(bot.botName)] { m_state.botName = name; });
        }
    }
    connect(m_ui->Command3, &QAbstractButton::clicked, this, &MainScreen::launch);
    connect(m_ui->Command4, &QAbstractButton::clicked, this, &MainScreen::close);
    connect(m_ui->Properties, &QAction::triggered, this, &MainScreen::showDirSelect);
    // The server window: one for the program, kept while its Done has only hidden it.
    const auto showConfig = [this, slot = std::make_shared<QPointer<ConfigScreen>>()] {
        WindowHelper::showSingle(*slot, [this] {
            auto *screen = new ConfigScreen(m_state, m_random, this);
            connect(screen, &ConfigScreen::directoryRequested, this, &MainScreen::showDirSelect);
            screen->load();
            return screen;
        });
    };
    connect(m_ui->Command9, &QAbstractButton::clicked, this, showConfig);
    connect(m_ui->config, &QAction::triggered, this, showConfig);
}

QRadioButton *MainScreen::optionButton(BotType type) const
{
    return findChild<QRadioButton *>(BotCatalogue::info(type).optionButton);
}

QAbstractButton *MainScreen::editButton(BotType type) const
{
    const QLatin1StringView name = BotCatalogue::info(type).editButton;
    return name.isEmpty() ? nullptr : findChild<QAbstractButton *>(name);
}

QAction *MainScreen::action(QLatin1StringView name) const
{
    return findChild<QAction *>(name);
}

void MainScreen::startUp()
{
    switch (GameSetup::startUp(m_state, m_settings)) {
    case GameSetup::StartUp::NoDirectory:
        MessageBox::information(this, selectDirectoryMessage);
        return;
    case GameSetup::StartUp::NotSetUp:
        MessageBox::information(this, notSetUpMessage);
        return;
    case GameSetup::StartUp::Ready:
        enableGameControls();
        detectInstalledBots();
        return;
    }
}

void MainScreen::enableGameControls()
{
    m_ui->config->setEnabled(true);
    m_ui->Command9->setVisible(true);
}

void MainScreen::detectInstalledBots()
{
    GameSetup::enterGameDir(m_state);
    const FolderListing folder(m_state.gameDir);
    // Only enables: a control stays enabled when its file has gone since.
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (folder.find(bot.installedFile).isEmpty())
            continue;
        optionButton(bot.type)->setEnabled(true);
        if (QAbstractButton *button = editButton(bot.type))
            button->setEnabled(true);
        for (const QLatin1StringView entry : {bot.editMenuEntry, bot.updateMenuEntry}) {
            if (!entry.isEmpty())
                action(entry)->setEnabled(true);
        }
    }
}

void MainScreen::choose(BotType type)
{
    m_state.botName = BotCatalogue::info(type).botName;
    const BotChoice choice = BotChoice::describe(m_state.gameDir, m_settings, type);
    m_ui->Label1->setText(choice.supportedMaps);
    m_ui->Label2->setText(choice.autostartFile);
    showLiblist(choice.liblist);
}

void MainScreen::showLiblist(const LiblistInfo &info)
{
    // A key the file does not hold leaves its label as the previous choice left it.
    if (info.version)
        m_ui->Label6->setText(*info.version);
    if (info.hlversion)
        m_ui->Label7->setText(Liblist::formatHlVersion(*info.hlversion));
    if (info.gamedll)
        m_ui->Label8->setText(*info.gamedll);
}

void MainScreen::editBots(BotType type, EditControl control)
{
    const BotInfo &bot = BotCatalogue::info(type);
    const RosterAddOn *addOn = RosterAddOn::find(QString(bot.botName));
    // A closed editor may linger a moment before it is deleted; it counts as gone.
    if (m_editScreen && !m_editScreen->isVisible())
        m_editScreen = nullptr;
    // An editor open for another add-on closes first (asking about unsaved bots), so that no roster is ever saved
    // under another add-on's header.
    if (addOn && m_editScreen && m_editScreen->botName() != bot.botName) {
        if (!m_editScreen->finish())
            return;
        m_editScreen = nullptr;
    }

    optionButton(type)->setChecked(true);
    m_state.botName = bot.botName;
    if (!addOn)
        return;

    const bool opening = !m_editScreen;
    if (opening)
        m_editScreen = new EditScreen(m_state, *addOn, m_random, this);
    m_editScreen->setWindowTitle(bot.editorCaption);
    // An editor that is open already keeps its values and its unsaved state; a new one takes the add-on's start
    // values as no unsaved change.
    if (control == EditControl::Button || addOn->menuEntryAppliesLayout)
        m_editScreen->applyOptionLayout(opening);
    WindowHelper::bringUp(m_editScreen);
}

void MainScreen::launch()
{
    if (!m_state.directoryValid) {
        MessageBox::information(this, launchDirectoryMessage);
        return;
    }
    if (m_ui->Label6->text() != m_state.installedCsVersion && !MessageBox::okCancel(this, versionMessage, versionTitle))
        return;
    if (!GameSetup::enterGameDir(m_state)) {
        MessageBox::information(this, launchDirectoryMessage);
        return;
    }
    if (m_ui->Option7->isChecked())
        m_state.botName = u"OLD"_s;
    QString error;
    switch (GameLauncher::activateVariant(m_state.gameDir, m_state.botName, &error)) {
    case GameLauncher::Result::VariantMissing:
        MessageBox::information(this, launchDirectoryMessage);
        return;
    case GameLauncher::Result::WriteFailed:
        MessageBox::information(
            this,
            u"Trevlin could not put \"%1\" in place of liblist.gam in the folder \"%2\": "
            "%3\n\nThe game folder still holds its previous liblist.gam."_s.arg(
                BotCatalogue::liblistVariant(m_state.botName), QDir::toNativeSeparators(m_state.gameDir), error));
        return;
    case GameLauncher::Result::Done:
        break;
    }
    startGame(GameLauncher::command(m_state.gameDir));
}

// What hl.bat's run by the command interpreter (ExecCmd) comes to on this platform.
void MainScreen::startGame(const LaunchCommand &command)
{
    if (!command.isRunnable()) {
        MessageBox::information(this, command.problem);
        return;
    }
    // The game is started and never waited for; like the command interpreter's own failures, a start that fails
    // here goes unreported.
    Platform::start(command);
}

void MainScreen::showDirSelect()
{
    WindowHelper::showSingle(m_dirSelect, [this] {
        auto *dialog = new DirSelect(m_state, m_settings, this);
        connect(dialog, &DirSelect::directorySelected, this, [this] {
            enableGameControls();
            detectInstalledBots();
        });
        return dialog;
    });
}

void MainScreen::closeEvent(QCloseEvent *event)
{
    // Ending the program asks before unsaved bots are lost, as the editor's own Done does; everything else closes
    // at once, saving nothing.
    if (m_editScreen && m_editScreen->isVisible() && !m_editScreen->finish()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

bool MainScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        const auto it = m_statusTexts.constFind(watched);
        if (it != m_statusTexts.cend())
            m_ui->Text2->setText(*it);
    }
    return QMainWindow::eventFilter(watched, event);
}
