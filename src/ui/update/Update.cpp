#include "Update.h"

#include "ui_Update.h"

#include "AppSettings.h"
#include "MessageBox.h"
#include "ProgramVersion.h"
#include "Session.h"
#include "UpdateServer.h"
#include "VersionMarks.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString separator(50, u'-');

UpdateJob *newJob(Session &session, AppSettings &settings, QObject *parent)
{
    QString problem;
    std::unique_ptr<HttpSession> network = UpdateServer::networkSession(&problem);
    const BotCatalogue::UpdateNames &names = session.updateNames();
    return new UpdateJob(UpdateServer::baseUrl(), std::move(network), problem, settings,
                         QStringList(names.cbegin(), names.cend()), parent);
}

// A time left as minutes and seconds, or hours and minutes.
QString duration(qint64 seconds)
{
    if (seconds >= 3600)
        return Update::tr("%1 h %2 min").arg(seconds / 3600).arg(seconds % 3600 / 60);
    return Update::tr("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

Update::Update(Session &session, AppSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::Update>())
    , m_session(session)
    , m_settings(settings)
    , m_job(newJob(session, settings, this))
{
    m_ui->setupUi(this);
    m_cancelCaption = m_ui->Command2->text();
    setAttribute(Qt::WA_DeleteOnClose);
    // The name takes the room the versions and the date leave, each of which is shown whole.
    QHeaderView *header = m_ui->List1->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    m_ui->httpNotice->setVisible(UpdateServer::isPlainHttp(UpdateServer::baseUrl()));
    // Over plain http only a signature tells the server's lists from a changed copy.
    if (!m_job->listsSigned())
        m_ui->httpNotice->setText(m_ui->httpNotice->text() + u"  "_s + tr("not signed"));

    connect(m_job, &UpdateJob::stateChanged, this, &Update::showState);
    connect(m_job, &UpdateJob::versionsArrived, this, &Update::versionsArrived);
    connect(m_job, &UpdateJob::itemStarted, this, [this](int index) {
        m_ui->List2->clear();
        m_ui->List2->addItem(tr("Updating  %1").arg(m_job->itemName(index)));
        m_ui->List2->addItem(separator);
        m_ui->fileProgress->setRange(0, 1000);
        m_ui->fileProgress->setValue(0);
    });
    connect(m_job, &UpdateJob::logAdded, m_ui->List2, [this](const QString &line) { m_ui->List2->addItem(line); });
    connect(m_job, &UpdateJob::lastLogChanged, m_ui->List2, [this](const QString &line) {
        if (QListWidgetItem *last = m_ui->List2->item(m_ui->List2->count() - 1))
            last->setText(line);
    });
    connect(m_job, &UpdateJob::progressed, this, &Update::showProgress);
    connect(m_job, &UpdateJob::itemDone, this, &Update::itemDone);
    connect(m_job, &UpdateJob::ended, this, &Update::endUpdate);
    connect(m_ui->Command1, &QPushButton::clicked, this, &Update::updateSelected);
    connect(m_ui->Command2, &QPushButton::clicked, this, &Update::close);
}

Update::~Update()
{
    m_job->cancel();
}

bool Update::isBusy() const
{
    return m_job->isBusy();
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
    m_job->cancel();
    QDialog::closeEvent(event);
}

void Update::done(int result)
{
    m_job->cancel();
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
    m_job->fetchVersions();
}

void Update::versionsArrived(const QString &error)
{
    if (!error.isEmpty()) {
        m_ui->List2->addItem(error);
        m_ui->Label1->setText(UpdateClient::stateText(UpdateClient::State::Error));
    }
    fillRows();
    Q_EMIT rowsFilled();
}

void Update::showRow(QTreeWidgetItem *row, int index) const
{
    const QString &key = m_session.updateNames()[index];
    const QString installed
        = index == 0 ? QString(programVersion) : m_settings.value(AppSettings::Family::InstalledVersion, key);
    // "N/A" is what the settings keep for never; the row says it in the player's language.
    const auto shown = [](const QString &value, AppSettings::Family family) {
        return value == AppSettings::defaultValue(family) ? tr("N/A") : value;
    };
    const QString cells[] = {m_job->itemName(index), m_job->serverVersions()[index],
                             shown(installed, AppSettings::Family::InstalledVersion),
                             shown(m_settings.value(AppSettings::Family::UpdateDate, key),
                                   AppSettings::Family::UpdateDate)};
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
            0, VersionMarks::isNewer(index, m_job->serverVersions()[index], installed) ? Qt::Checked : Qt::Unchecked);
    }
}

void Update::updateSelected()
{
    if (isBusy()) {
        MessageBox::information(this, tr("Still Executing Last Request. Please Wait."));
        return;
    }
    QList<int> chosen;
    for (int index = 0; index < m_ui->List1->topLevelItemCount(); ++index) {
        if (m_ui->List1->topLevelItem(index)->checkState(0) == Qt::Checked)
            chosen.append(index);
    }
    if (chosen.isEmpty())
        return;
    m_ui->Command2->setText(m_cancelCaption);
    m_ui->totalProgress->setRange(0, 1000);
    m_ui->totalProgress->setValue(0);
    m_job->start(chosen, {m_session.halfLifeDir(), m_session.gameDir()});
}

void Update::showProgress(const UpdateJob::Progress &progress)
{
    // Bytes as per mille, so that files past 2 GB fit the bar's range too.
    if (progress.fileTotal >= 0) {
        m_ui->fileProgress->setRange(0, progress.fileTotal > 0 ? 1000 : 0);
        if (progress.fileTotal > 0)
            m_ui->fileProgress->setValue(int(progress.fileReceived * 1000 / progress.fileTotal));
    }
    m_ui->totalProgress->setValue(int(progress.fraction * 1000));
    const QString rate = QLocale().formattedDataSize(progress.bytesPerSecond);
    m_ui->fileProgress->setFormat(progress.fileSecondsLeft < 0
                                      ? tr("%p% at %1/s").arg(rate)
                                      : tr("%p% at %1/s, %2 left").arg(rate, duration(progress.fileSecondsLeft)));
    m_ui->totalProgress->setFormat(progress.updateSecondsLeft < 0
                                       ? tr("%p%")
                                       : tr("%p%, %1 left in all").arg(duration(progress.updateSecondsLeft)));
}

void Update::itemDone(int index, const QString &error)
{
    if (!error.isEmpty()) {
        // A failed item changes nothing; the items after it wait for another try, still marked.
        m_ui->List2->addItem(error);
        m_ui->Label1->setText(UpdateClient::stateText(UpdateClient::State::Error));
        return;
    }
    m_ui->List2->addItem(separator);
    m_ui->List2->addItem(tr("%1 Sucessfully Updated").arg(m_job->itemName(index)));
    QTreeWidgetItem *row = m_ui->List1->topLevelItem(index);
    showRow(row, index);
    row->setCheckState(0, Qt::Unchecked);
}

void Update::endUpdate(const QString &error)
{
    // An update stopped on its way (a deadline) says so; an item's own failure is shown already.
    if (!error.isEmpty()
        && (m_ui->List2->count() == 0 || m_ui->List2->item(m_ui->List2->count() - 1)->text() != error)) {
        m_ui->List2->addItem(error);
        m_ui->Label1->setText(UpdateClient::stateText(UpdateClient::State::Error));
    }
    // Nothing is left to cancel: the button only closes the window now.
    m_ui->Command2->setText(tr("Close"));
    Q_EMIT updateEnded();
}
