#include "Update.h"

#include "ui_Update.h"

#include "AppSettings.h"
#include "ItemInstaller.h"
#include "MessageBox.h"
#include "ProgramVersion.h"
#include "Session.h"
#include "UpdateServer.h"
#include "VersionMarks.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString separator(50, u'-');

// The version list is a few dozen bytes; anything far larger is not one.
constexpr qint64 maxVersionListBytes = 64 * 1024;
// The whole-update bar counts each item in this many steps, filled as its files arrive.
constexpr int stepsPerItem = 1000;

} // namespace

Update::Update(Session &session, AppSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Update>())
    , m_session(session)
    , m_settings(settings)
    , m_baseUrl(UpdateServer::baseUrl())
    , m_client(new UpdateClient(QUrl(m_baseUrl), this))
    , m_installer(new ItemInstaller(*m_client, m_baseUrl, this))
{
    m_ui->setupUi(this);
    m_cancelCaption = m_ui->Command2->text();
    setAttribute(Qt::WA_DeleteOnClose);
    // The name takes the room the versions and the date leave, each of which is shown whole.
    QHeaderView *header = m_ui->List1->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    m_ui->httpNotice->setVisible(UpdateServer::isPlainHttp(m_baseUrl));

    connect(m_client, &UpdateClient::stateChanged, this, &Update::showState);
    connect(m_installer, &ItemInstaller::logAdded, m_ui->List2,
            [this](const QString &line) { m_ui->List2->addItem(line); });
    connect(m_installer, &ItemInstaller::lastLogChanged, m_ui->List2, [this](const QString &line) {
        if (QListWidgetItem *last = m_ui->List2->item(m_ui->List2->count() - 1))
            last->setText(line);
    });
    connect(m_installer, &ItemInstaller::fileProgress, this, [this](qint64 received, qint64 total) {
        // Bytes as per mille, so that files past 2 GB fit the bar's range too.
        m_ui->fileProgress->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0)
            m_ui->fileProgress->setValue(int(received * 1000 / total));
    });
    connect(m_installer, &ItemInstaller::itemProgress, this, [this](int done, int count) {
        m_ui->totalProgress->setValue(m_itemsDone * stepsPerItem + (count > 0 ? done * stepsPerItem / count : 0));
    });
    connect(m_installer, &ItemInstaller::done, this, &Update::itemDone);
    connect(m_ui->Command1, &QPushButton::clicked, this, &Update::updateSelected);
    connect(m_ui->Command2, &QPushButton::clicked, this, &Update::close);
}

Update::~Update()
{
    cancel();
}

bool Update::isBusy() const
{
    return m_client->isBusy() || m_installer->isRunning() || m_current >= 0;
}

bool Update::event(QEvent *event)
{
    // The list is asked for anew each time the window comes to the front; never in the middle of a transfer,
    // whose rows it would take away.
    if (event->type() == QEvent::WindowActivate && !isBusy())
        fetchVersions();
    return QDialog::event(event);
}

void Update::closeEvent(QCloseEvent *event)
{
    cancel();
    QDialog::closeEvent(event);
}

void Update::done(int result)
{
    cancel();
    QDialog::done(result);
}

void Update::showState(UpdateClient::State state)
{
    const QString text = UpdateClient::stateText(state);
    if (!text.isEmpty())
        m_ui->Label1->setText(text);
}

void Update::fetchVersions()
{
    m_ui->List1->clear();
    m_versionList = std::make_unique<QBuffer>();
    m_versionList->open(QIODevice::WriteOnly);
    connect(m_client, &UpdateClient::finished, this, &Update::versionsArrived, Qt::SingleShotConnection);
    m_client->fetch(QUrl(m_baseUrl + u"Versions.txt"_s), m_versionList.get(), maxVersionListBytes);
}

void Update::versionsArrived(const QString &error)
{
    // Without the list the rows still show what is installed, with no server version and no mark.
    m_serverVersions = error.isEmpty() ? UpdateLists::parseVersions(m_versionList->data()) : ServerVersions();
    m_versionList.reset();
    if (!error.isEmpty())
        m_ui->List2->addItem(error);
    fillRows();
    Q_EMIT rowsFilled();
}

QString Update::itemName(int index) const
{
    QString name = m_session.updateNames()[index];
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

void Update::showRow(QTreeWidgetItem *row, int index) const
{
    const QString &key = m_session.updateNames()[index];
    const QString installed
        = index == 0 ? QString(programVersion) : m_settings.value(AppSettings::Family::InstalledVersion, key);
    const QString cells[]
        = {itemName(index), m_serverVersions[index], installed, m_settings.value(AppSettings::Family::UpdateDate, key)};
    for (int column = 0; column < int(std::size(cells)); ++column)
        row->setText(column, cells[column]);
}

void Update::fillRows()
{
    m_ui->List1->clear();
    for (int index = 0; index < BotCatalogue::updateNameCount; ++index) {
        const QString &key = m_session.updateNames()[index];
        // Every item gets its entries, "N/A" until installed through this window; the program has no version
        // entry of its own to show, only its date.
        const auto writeDefault = [this, &key](AppSettings::Family family) {
            const QString never = AppSettings::defaultValue(family);
            if (m_settings.value(family, key) == never)
                m_settings.setValue(family, key, never);
        };
        if (index > 0)
            writeDefault(AppSettings::Family::InstalledVersion);
        writeDefault(AppSettings::Family::UpdateDate);
        const QString installed
            = index == 0 ? QString(programVersion) : m_settings.value(AppSettings::Family::InstalledVersion, key);
        auto *row = new QTreeWidgetItem(m_ui->List1);
        showRow(row, index);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(
            0, VersionMarks::isNewer(index, m_serverVersions[index], installed) ? Qt::Checked : Qt::Unchecked);
    }
}

void Update::updateSelected()
{
    if (isBusy()) {
        MessageBox::information(this, tr("Still Executing Last Request. Please Wait."));
        return;
    }
    m_pending.clear();
    for (int index = 0; index < m_ui->List1->topLevelItemCount(); ++index) {
        if (m_ui->List1->topLevelItem(index)->checkState(0) == Qt::Checked)
            m_pending.append(index);
    }
    if (m_pending.isEmpty())
        return;
    // One staging folder per update, under the user's cache folder; it goes when the update ends.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    m_staging = std::make_unique<QTemporaryDir>(QDir(cache).filePath(u"update-XXXXXX"_s));
    if (!m_staging->isValid()) {
        m_ui->List2->clear();
        m_ui->List2->addItem(tr("No staging folder could be made in %1: %2").arg(cache, m_staging->errorString()));
        m_staging.reset();
        return;
    }
    m_ui->Command2->setText(m_cancelCaption);
    m_itemsDone = 0;
    m_itemCount = int(m_pending.size());
    m_ui->totalProgress->setRange(0, m_itemCount * stepsPerItem);
    m_ui->totalProgress->setValue(0);
    updateNext();
}

void Update::updateNext()
{
    if (m_pending.isEmpty()) {
        endUpdate();
        return;
    }
    m_current = m_pending.takeFirst();
    const QString name = itemName(m_current);
    m_ui->List2->clear();
    m_ui->List2->addItem(tr("Updating  %1").arg(name));
    m_ui->List2->addItem(separator);
    m_ui->fileProgress->setRange(0, 1000);
    m_ui->fileProgress->setValue(0);
    const QString folder = m_staging->filePath(name);
    QDir().mkpath(folder);
    m_installer->start(name, folder, {m_session.halfLifeDir(), m_session.gameDir()});
}

void Update::itemDone(const QString &error)
{
    if (!error.isEmpty()) {
        // A failed item changes nothing; the items after it wait for another try, still marked.
        m_ui->List2->addItem(error);
        m_ui->Label1->setText(UpdateClient::stateText(UpdateClient::State::Error));
        endUpdate();
        return;
    }
    const int index = m_current;
    const QString name = itemName(index);
    const QString &key = m_session.updateNames()[index];
    m_ui->List2->addItem(separator);
    m_ui->List2->addItem(tr("%1 Sucessfully Updated").arg(name));
    m_settings.setValue(AppSettings::Family::InstalledVersion, key, m_serverVersions[index]);
    m_settings.setValue(AppSettings::Family::UpdateDate, key,
                        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QTreeWidgetItem *row = m_ui->List1->topLevelItem(index);
    showRow(row, index);
    row->setCheckState(0, Qt::Unchecked);
    ++m_itemsDone;
    m_ui->totalProgress->setValue(m_itemsDone * stepsPerItem);
    updateNext();
}

void Update::endUpdate()
{
    // Nothing is left to cancel: the button only closes the window now.
    m_ui->Command2->setText(tr("Close"));
    m_current = -1;
    m_pending.clear();
    m_staging.reset();
    Q_EMIT updateEnded();
}

void Update::cancel()
{
    disconnect(m_client, &UpdateClient::finished, this, &Update::versionsArrived);
    m_installer->cancel();
    m_client->cancel();
    m_versionList.reset();
    m_current = -1;
    m_pending.clear();
    m_staging.reset();
}
