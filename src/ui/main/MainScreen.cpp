#include "MainScreen.h"

#include "ui_MainScreen.h"

#include "AboutScreen.h"
#include "AppSettings.h"
#include "AppState.h"
#include "AutostartFile.h"
#include "AutostartFrame.h"
#include "BotChoice.h"
#include "ConfigScreen.h"
#include "DirSelect.h"
#include "FolderListing.h"
#include "GameLauncher.h"
#include "GameSetup.h"
#include "Liblist.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "Platform.h"
#include "RadioGroupFocus.h"
#include "RosterAddOn.h"
#include "RosterWindow.h"
#include "Update.h"
#include "WindowHelper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
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

// A second press of Play this soon after a game was started starts no second game.
constexpr qint64 startingMilliseconds = 2000;

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
    setUpAutostartFrame();
    setUpStatusTexts();
    setUpAccessibility();
    connectControls();
}

MainScreen::~MainScreen() = default;

void MainScreen::setUpAutostartFrame()
{
    m_autostart = new AutostartFrame(m_state, m_settings, m_ui->frame2Layout, m_ui->Label2, m_ui->Command14, this);
    QWidget::setTabOrder(m_autostart->toolbar()->widgetForAction(action("cancel"_L1)), m_ui->Command3);
    connect(m_autostart, &AutostartFrame::statusText, m_ui->Text2, &QLineEdit::setText);
    connect(m_autostart, &AutostartFrame::editRequested, this, &MainScreen::editAutostartFile);
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
    }
    connect(m_ui->Command3, &QAbstractButton::clicked, this, &MainScreen::launch);
    connect(m_ui->Command4, &QAbstractButton::clicked, this, &MainScreen::close);
    connect(m_ui->Properties, &QAction::triggered, this, &MainScreen::showDirSelect);
    // Every update entry opens the same window; an add-on's own entry makes that add-on the current one first.
    m_ui->updAll->setEnabled(true);
    connect(m_ui->updAll, &QAction::triggered, this, &MainScreen::showUpdate);
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (bot.updateMenuEntry.isEmpty())
            continue;
        connect(action(bot.updateMenuEntry), &QAction::triggered, this, [this, name = QString(bot.botName)] {
            m_state.botName = name;
            showUpdate();
        });
    }
    m_ui->about->setEnabled(true);
    connect(m_ui->about, &QAction::triggered, this, [this, about = QPointer<AboutScreen>()]() mutable {
        WindowHelper::showSingle(about, [this] { return new AboutScreen(m_random, this); });
    });
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

void MainScreen::startUp(const QString &gameDir)
{
    if (const QString notice = m_settings.takeNotice(); !notice.isEmpty())
        MessageBox::information(this, notice);
    QString warning;
    switch (GameSetup::startUp(m_state, m_settings, gameDir, &warning)) {
    case GameSetup::StartUp::NoDirectory:
        MessageBox::information(this, selectDirectoryMessage);
        return;
    case GameSetup::StartUp::NotSetUp:
        MessageBox::information(this, notSetUpMessage);
        return;
    case GameSetup::StartUp::Ready:
        if (!warning.isEmpty())
            MessageBox::information(this, warning);
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
        if (!bot.editMenuEntry.isEmpty())
            action(bot.editMenuEntry)->setEnabled(true);
        if (!bot.updateMenuEntry.isEmpty())
            action(bot.updateMenuEntry)->setEnabled(true);
    }
}

void MainScreen::showUpdate()
{
    WindowHelper::showSingle(m_update, [this] { return new Update(m_state, m_settings, this); });
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
    if (m_editor && !m_editor->isVisible())
        m_editor = nullptr;
    // An editor open for another add-on closes first (asking about unsaved bots), so that no roster is ever saved
    // under another add-on's header and one editor at a time keeps the unsaved state.
    if (addOn && m_editor && m_editor->botName() != bot.botName) {
        if (!m_editor->finish())
            return;
        m_editor = nullptr;
    }

    optionButton(type)->setChecked(true);
    m_state.botName = bot.botName;
    if (!addOn)
        return;

    const bool opening = !m_editor;
    if (opening) {
        m_editor = new RosterWindow(m_state, *addOn, m_random, this);
        connect(m_editor, &RosterWindow::saved, this,
                [this, name = m_editor->botName()](const QString &file) { refreshAutostart(name, file); });
    }
    m_editor->setWindowTitle(bot.editorCaption);
    // An editor that is open already keeps its values and its unsaved state; a new one takes the add-on's start
    // values as no unsaved change.
    if (control == EditControl::Button || addOn->menuEntryAppliesLayout)
        m_editor->applyOptionLayout(opening);
    WindowHelper::bringUp(m_editor);
}

void MainScreen::editAutostartFile(const QString &fileName)
{
    // The editor of the add-on named now opens with the file read in, asking first about unsaved bots as its Open
    // does. PLBot's file and the plain game's are not edited from here.
    const BotInfo *bot = BotCatalogue::find(m_state.botName);
    if (!bot || !bot->autostartShown || !RosterAddOn::find(m_state.botName))
        return;
    editBots(bot->type, EditControl::Button);
    QString path = FolderListing::findPath(m_state.gameDir, fileName);
    if (path.isEmpty())
        path = QDir(m_state.gameDir).filePath(fileName); // the reader says that it is not there
    if (m_editor && m_editor->botName() == m_state.botName)
        m_editor->openFile(path);
}

void MainScreen::refreshAutostart(const QString &botName, const QString &savedFile)
{
    // The game runs the copy, not the roster: a roster saved again that is the add-on's autostart file is copied
    // again at once, with the checks of a first choice.
    if (!AutostartFile::isChosen(savedFile, m_state.gameDir, botName, m_settings))
        return;
    const AutostartFile::Result result = AutostartFile::choose(savedFile, m_state.gameDir, botName, m_settings);
    if (!result.isDone()) {
        MessageBox::information(this, result.message);
        return;
    }
    const QString copy = QDir(m_state.gameDir).relativeFilePath(AutostartFile::path(m_state.gameDir, botName));
    m_ui->Text2->setText(u"%1 is saved and copied to %2, which %3 runs when the game starts."_s.arg(
        QFileInfo(savedFile).fileName(), QDir::toNativeSeparators(copy), botName));
}

void MainScreen::launch()
{
    // The game takes a moment to show; a second press meanwhile would start it twice.
    if (m_lastStart.isValid() && m_lastStart.elapsed() < startingMilliseconds) {
        m_ui->Text2->setText(u"Counter-Strike is starting already."_s);
        return;
    }
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
        // A copy that is there but cannot be taken (a pipe, far too large, unreadable) gets its reason as well.
        MessageBox::information(this,
                                error.isEmpty() ? launchDirectoryMessage : launchDirectoryMessage + u"\n\n"_s + error);
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

// What hl.bat's run by the command interpreter (ExecCmd) comes to on this platform. The game is started and never
// waited for; the status line tells what was started, or why nothing was.
void MainScreen::startGame(const LaunchCommand &command)
{
    if (!command.isRunnable()) {
        m_ui->Text2->setText(command.problem);
        MessageBox::information(this, command.problem);
        return;
    }
    if (!Platform::start(command)) {
        m_ui->Text2->setText(u"Counter-Strike could not be started: %1 did not run."_s.arg(command.commandLine()));
        return;
    }
    m_lastStart.start();
    m_ui->Text2->setText(GameLauncher::startedMessage(m_state.botName, command));
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
    // Ending the program closes every other window first. One that holds unsaved work asks, as its own close box
    // does, and may keep the program running; everything else closes at once, saving nothing.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible() && !window->close()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
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
