#include "MainScreen.h"

#include "ui_MainScreen.h"

#include "AboutScreen.h"
#include "AddOnControls.h"
#include "AppSettings.h"
#include "AutostartFile.h"
#include "AutostartFrame.h"
#include "BotChoice.h"
#include "ConfigScreen.h"
#include "DescriptorOffer.h"
#include "DialogKeys.h"
#include "DirSelect.h"
#include "FolderListing.h"
#include "GameLauncher.h"
#include "GameSetup.h"
#include "LanguageMenu.h"
#include "Liblist.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "RadioGroupFocus.h"
#include "RosterAddOn.h"
#include "RosterWindow.h"
#include "Session.h"
#include "SetUpEntries.h"
#include "Update.h"
#include "WindowHelper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

MainScreen::MainScreen(Session &session, AppSettings &settings, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::MainScreen>())
    , m_session(session)
    , m_settings(settings)
    , m_random(random)
    , m_game(new GameProcess(this))
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    setWindowIcon(Pictures::icon(Pictures::appIcon));
    m_ui->Command3->setIcon(Pictures::icon(Pictures::play));
    m_ui->Command4->setIcon(Pictures::icon(Pictures::exit));
    m_ui->Command9->setIcon(Pictures::icon(Pictures::serverConfig));
    // The separator between the edit entries and the folder entries is named like every other menu entry.
    QAction *separator = m_ui->file->actions().constFirst();
    separator->setObjectName(u"separator1"_s);
    m_addOns = std::make_unique<AddOnControls>(this, m_ui->frame1Layout, m_ui->file, separator, m_ui->updates);
    m_setUpEntries = new SetUpEntries(m_session, m_settings, *m_addOns, m_ui->file, this);
    m_ui->file->addMenu(new LanguageMenu(m_settings, m_ui->file));
    setUpAutostartFrame();
    setUpStatusTexts();
    setUpAccessibility();
    connectControls();
}

MainScreen::~MainScreen() = default;

void MainScreen::setUpAutostartFrame()
{
    m_autostart = new AutostartFrame(m_session, m_settings, m_ui->frame2Layout, m_ui->Label2,
                                     m_addOns->of(BotType::BobaBot).edit, this);
    QWidget::setTabOrder(m_autostart->cancelButton(), m_ui->Command3);
    connect(m_autostart, &AutostartFrame::editRequested, this, &MainScreen::editAutostartFile);
}

void MainScreen::setUpStatusTexts()
{
    const QString csText = tr("This Displays Wich Counter-Strike Version The Bot Supports");
    const QString hlText = tr("This Displays Wich Half-Life Version The Bot Supports");
    const QString dllText = tr("This Displays Wich DLL File The Bot Uses");
    m_statusTexts = {
        {m_ui->Command3, tr("Play Counter-Strike With The Selected Bot!")},
        {m_ui->Command4, tr("This Exits Counter-Strike Trevlin")},
        {m_ui->Command9,
         tr("Here You Can Configure Your CS Server, Change The Mapcycle And Change The Startup Message")},
        {m_ui->Frame4, tr("This Displays Bot Information Found In The Selected Bot's 'Liblist.gam' File.")},
        {m_ui->Label1, tr("This Displays Wich Maps Are Supported By The Bot")},
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
        const AddOnControls::Controls &controls = m_addOns->of(bot.type);
        if (controls.edit)
            m_statusTexts.insert(controls.edit, controls.editStatusText);
    }
    m_statusKept = {m_ui->Frame1, m_ui->Frame3, m_ui->Text2};
    // Only the application sees every move of the pointer: a frame or the background that the pointer comes back
    // to from a control inside it gets no event of its own.
    qApp->installEventFilter(this);
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
        const AddOnControls::Controls &controls = m_addOns->of(type);
        // A choice runs when the button becomes the chosen one, never again while it stays chosen.
        connect(controls.option, &QRadioButton::toggled, this, [this, type](bool checked) {
            if (checked)
                choose(type);
        });
        if (!controls.edit)
            continue;
        connect(controls.edit, &QAbstractButton::clicked, this, [this, type] { editBots(type, EditControl::Button); });
        connect(controls.editEntry, &QAction::triggered, this,
                [this, type] { editBots(type, EditControl::MenuEntry); });
        // Every update entry opens the same window; an add-on's own entry makes that add-on the current one first.
        connect(controls.updateEntry, &QAction::triggered, this, [this, name = QString(bot.botName)] {
            m_session.setBotName(name);
            showUpdate();
        });
    }
    connect(m_ui->Command3, &QAbstractButton::clicked, this, &MainScreen::launch);
    connect(m_game, &GameProcess::ended, this, &MainScreen::gameEnded);
    connect(m_ui->Command4, &QAbstractButton::clicked, this, &MainScreen::close);
    connect(m_ui->Properties, &QAction::triggered, this, &MainScreen::showDirSelect);
    connect(m_setUpEntries, &SetUpEntries::addOnSetUp, this, &MainScreen::addOnSetUp);
    connect(m_setUpEntries, &SetUpEntries::addOnsChanged, this, &MainScreen::detectInstalledBots);
    connect(m_setUpEntries, &SetUpEntries::addOnUninstalled, this, &MainScreen::addOnUninstalled);
    connect(m_setUpEntries, &SetUpEntries::descriptorKept, this, [this] {
        if (GameSetup::startUp(m_session, m_settings, m_session.gameDir()) == GameSetup::StartUp::Ready)
            detectInstalledBots();
    });
    m_ui->updAll->setEnabled(true);
    connect(m_ui->updAll, &QAction::triggered, this, &MainScreen::showUpdate);
    m_ui->about->setEnabled(true);
    connect(m_ui->about, &QAction::triggered, this, [this, about = QPointer<AboutScreen>()]() mutable {
        WindowHelper::showSingle(about, [this] { return new AboutScreen(m_random, this); });
    });
    // The server window: one for the program, kept while its Done has only hidden it.
    const auto showConfig = [this, slot = std::make_shared<QPointer<ConfigScreen>>()] {
        WindowHelper::showSingle(*slot, [this] {
            auto *screen = new ConfigScreen(m_session, m_random, this);
            connect(screen, &ConfigScreen::directoryRequested, this, &MainScreen::showDirSelect);
            screen->load();
            return screen;
        });
    };
    connect(m_ui->Command9, &QAbstractButton::clicked, this, showConfig);
    connect(m_ui->config, &QAction::triggered, this, showConfig);
    // A folder that is set up opens the server configuration, whichever way it came to be set up.
    connect(&m_session, &Session::directoryValidChanged, this, [this](bool valid) {
        m_ui->config->setEnabled(valid);
        m_ui->Command9->setVisible(valid);
    });
}

void MainScreen::startUp(const QString &gameDir)
{
    if (const QString notice = m_settings.takeNotice(); !notice.isEmpty())
        MessageBox::information(this, notice);
    QString warning;
    GameSetup::StartUp outcome = GameSetup::startUp(m_session, m_settings, gameDir, &warning);
    if (outcome == GameSetup::StartUp::NotSetUp) {
        switch (DescriptorOffer::offer(this, m_session.gameDir())) {
        case DescriptorOffer::Outcome::Kept:
            // Read as if it had been there: the installed version comes from the copy.
            outcome = GameSetup::startUp(m_session, m_settings, gameDir, &warning);
            break;
        case DescriptorOffer::Outcome::Told:
            return;
        case DescriptorOffer::Outcome::Declined:
        case DescriptorOffer::Outcome::NothingToOffer:
            break;
        }
    }
    switch (outcome) {
    case GameSetup::StartUp::NoDirectory:
        MessageBox::information(
            this, tr("Please select your Half-Life\\Counter-Strike directory under the File -> Select Directory menu"));
        return;
    case GameSetup::StartUp::NotSetUp:
        MessageBox::information(this,
                                tr("You Have Not Properly Set Up The Trevlin. Please Read The Documentation, Or "
                                   "Select Your Directory Again."));
        return;
    case GameSetup::StartUp::Ready:
        if (!warning.isEmpty())
            MessageBox::information(this, warning);
        detectInstalledBots();
        return;
    }
}

void MainScreen::detectInstalledBots()
{
    m_session.enterGameDir();
    const FolderListing folder(m_session.gameDir());
    // Only enables: a control stays enabled when its file has gone since.
    for (const BotInfo &bot : BotCatalogue::all()) {
        if (folder.find(BotCatalogue::liblistVariant(bot.type)).isEmpty())
            continue;
        const AddOnControls::Controls &controls = m_addOns->of(bot.type);
        controls.option->setEnabled(true);
        if (!controls.edit)
            continue;
        controls.edit->setEnabled(true);
        controls.editEntry->setEnabled(true);
        controls.updateEntry->setEnabled(true);
    }
}

void MainScreen::addOnUninstalled(BotType type)
{
    // An add-on taken out through Trevlin is no longer there to choose, unlike one whose file went behind its back.
    if (!FolderListing(m_session.gameDir()).find(BotCatalogue::liblistVariant(type)).isEmpty())
        return;
    const AddOnControls::Controls &controls = m_addOns->of(type);
    if (controls.option->isChecked())
        m_addOns->of(BotType::OriginalCS).option->setChecked(true);
    controls.option->setEnabled(false);
    if (controls.edit) {
        controls.edit->setEnabled(false);
        controls.editEntry->setEnabled(false);
        controls.updateEntry->setEnabled(false);
    }
}

void MainScreen::addOnSetUp(BotType type)
{
    detectInstalledBots();
    QRadioButton *option = m_addOns->of(type).option;
    // Chosen again, its Bot Info shows the library just written.
    if (option->isChecked())
        choose(type);
    else
        option->setChecked(true);
    m_ui->Text2->setText(
        tr("%1 is set up: %2 starts it.").arg(m_session.botName(), BotCatalogue::liblistVariant(type)));
}

void MainScreen::showUpdate()
{
    WindowHelper::showSingle(m_update, [this] { return new Update(m_session, m_settings, this); });
}

void MainScreen::choose(BotType type)
{
    m_session.setBotName(BotCatalogue::info(type).botName);
    const BotChoice choice = BotChoice::describe(m_session.gameDir(), m_settings, type);
    m_ui->Label1->setText(choice.supportedMaps);
    m_autostart->showFile(choice.autostartFile);
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
    const AddOnControls::Controls &controls = m_addOns->of(type);
    const RosterAddOn *addOn = RosterAddOn::of(type);
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

    controls.option->setChecked(true);
    m_session.setBotName(bot.botName);
    if (!addOn)
        return;

    const bool opening = !m_editor;
    if (opening) {
        m_editor = new RosterWindow(m_session, *addOn, m_random, this);
        connect(m_editor, &RosterWindow::saved, this,
                [this, name = m_editor->botName()](const QString &file) { refreshAutostart(name, file); });
    }
    m_editor->setWindowTitle(controls.editorCaption);
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
    const QString botName = m_session.botName();
    const BotInfo *bot = BotCatalogue::find(botName);
    if (!bot || !bot->autostartShown || !RosterAddOn::of(bot->type))
        return;
    editBots(bot->type, EditControl::Button);
    const QString gameDir = m_session.gameDir();
    QString path = FolderListing::findPath(gameDir, fileName);
    if (path.isEmpty())
        path = QDir(gameDir).filePath(fileName); // the reader says that it is not there
    if (m_editor && m_editor->botName() == botName)
        m_editor->openFile(path);
}

void MainScreen::refreshAutostart(const QString &botName, const QString &savedFile)
{
    // The game runs the copy, not the roster: a roster saved again that is the add-on's autostart file is copied
    // again at once, with the checks of a first choice.
    const QString gameDir = m_session.gameDir();
    if (!AutostartFile::isChosen(savedFile, gameDir, botName, m_settings))
        return;
    const AutostartFile::Result result = AutostartFile::choose(savedFile, gameDir, botName, m_settings);
    if (!result.isDone()) {
        MessageBox::information(this, result.message);
        return;
    }
    const QString copy = QDir(gameDir).relativeFilePath(AutostartFile::path(gameDir, botName));
    m_ui->Text2->setText(tr("%1 is saved and copied to %2, which %3 runs when the game starts.")
                             .arg(QFileInfo(savedFile).fileName(), QDir::toNativeSeparators(copy), botName));
}

void MainScreen::launch()
{
    if (m_game->isRunning()) {
        m_ui->Text2->setText(tr("%1 already.").arg(m_gameRunning));
        return;
    }
    // The version compared is the one shown, of the add-on chosen, even when an update entry has named another.
    const auto versionAccepted = [this] {
        return m_ui->Label6->text() == m_session.installedCsVersion()
            || MessageBox::okCancel(
                   this,
                   tr("This Bot Is Not Supported By Your Current Counter-Strike Version. Click OK To Continue Anyway."),
                   tr("Error In Liblist.gam File"));
    };
    const GameLauncher::Launch launch
        = GameLauncher::launch(m_session, m_addOns->of(BotType::OriginalCS).option->isChecked(),
                               m_setUpEntries->startsDirectly(), versionAccepted, m_game);
    const QString directoryMessage
        = tr("Please select your Half-Life\\Counterstrike directory under the File -> Config menu");
    switch (launch.outcome) {
    case GameLauncher::Launch::Outcome::NotSetUp:
        MessageBox::information(this, directoryMessage);
        return;
    case GameLauncher::Launch::Outcome::Declined:
        return;
    case GameLauncher::Launch::Outcome::VariantMissing:
        // A copy that is there but cannot be taken (a pipe, far too large, unreadable) gets its reason as well.
        MessageBox::information(
            this, launch.error.isEmpty() ? directoryMessage : directoryMessage + u"\n\n"_s + launch.error);
        return;
    case GameLauncher::Launch::Outcome::WriteFailed:
        MessageBox::information(this, launch.message());
        return;
    case GameLauncher::Launch::Outcome::NotRunnable:
        m_ui->Text2->setText(launch.message());
        MessageBox::information(this, launch.message());
        return;
    case GameLauncher::Launch::Outcome::NotStarted:
        m_ui->Text2->setText(launch.message());
        return;
    case GameLauncher::Launch::Outcome::Started: {
        const BotInfo *bot = BotCatalogue::find(launch.botName);
        m_gameRunning = bot && bot->type != BotType::OriginalCS
            ? tr("Counter-Strike is running with %1").arg(launch.botName)
            : tr("Counter-Strike is running without bots");
        // Steam's client hands the game over and ends at once: the game is not watched from here.
        const QString started = launch.command.throughSteam
            ? tr("Started through Steam: %1").arg(launch.command.commandLine())
            : m_gameRunning + u": "_s + launch.command.commandLine();
        // The note does not hold the game back: the player sees why the bots may not come.
        m_ui->Text2->setText(launch.note.isEmpty() ? started : launch.note + u". "_s + started);
        return;
    }
    }
}

void MainScreen::gameEnded(const GameProcess::Ending &ending)
{
    if (!ending.failedAtStart()) {
        m_ui->Text2->setText(tr("Counter-Strike has ended."));
        return;
    }
    const QString why = ending.crashed
        ? tr("Counter-Strike crashed right after it started.")
        : tr("Counter-Strike ended right after it started, with exit code %1.").arg(ending.exitCode);
    m_ui->Text2->setText(why);
    const QStringList lines = m_game->lastLines(12);
    const QString printed = lines.isEmpty() ? tr("It printed nothing.")
                                            : tr("The last lines it printed:") + u"\n\n"_s + lines.join(u'\n');
    const QString log = m_game->logPath();
    if (log.isEmpty()) {
        MessageBox::information(this, why + u"\n\n"_s + printed);
        return;
    }
    if (MessageBox::yesNo(this,
                          why + u"\n\n"_s + printed + u"\n\n"_s
                              + tr("Do you want to open its log, %1?").arg(QDir::toNativeSeparators(log))))
        QDesktopServices::openUrl(QUrl::fromLocalFile(log));
}

void MainScreen::showDirSelect()
{
    WindowHelper::showSingle(m_dirSelect, [this] {
        auto *dialog = new DirSelect(m_session, m_settings, this);
        connect(dialog, &DirSelect::directorySelected, this, &MainScreen::detectInstalledBots);
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
    // A control entered, or wherever the pointer moves to over this window.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseMove || type == QEvent::Enter) && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        auto *widget = static_cast<QWidget *>(watched);
        const QPoint global = type == QEvent::Enter ? static_cast<QEnterEvent *>(event)->globalPosition().toPoint()
                                                    : static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        pointerAt(type == QEvent::Enter ? widget : childAt(mapFromGlobal(global)), global);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainScreen::pointerAt(QWidget *over, QPoint global)
{
    // The innermost control that has a say: its own text, or none for the frames and the background.
    for (QWidget *widget = over; widget && widget != this; widget = widget->parentWidget()) {
        if (m_statusKept.contains(widget))
            return;
        const auto it = m_statusTexts.constFind(widget);
        std::optional<QString> text = it != m_statusTexts.cend() ? *it : m_autostart->statusText(widget, global);
        if (!text)
            text = m_setUpEntries->statusText(widget);
        if (text) {
            m_ui->Text2->setText(*text);
            return;
        }
    }
}
