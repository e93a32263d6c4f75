#include "UpdateJob.h"

#include "AppSettings.h"
#include "ListSignature.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString versionsName = QStringLiteral("Versions.txt");

} // namespace

UpdateJob::UpdateJob(const QString &baseUrl, std::unique_ptr<HttpSession> session, const QString &noSession,
                     AppSettings &settings, const QStringList &updateNames, QObject *parent)
    : QObject(parent)
    , m_baseUrl(baseUrl)
    , m_settings(settings)
    , m_updateNames(updateNames)
    , m_client(QUrl(baseUrl), std::move(session), noSession, this)
    , m_trust(settings)
    , m_installer(m_client, baseUrl, this)
{
    m_installer.setTrust(&m_trust);
    m_itemDeadline.setSingleShot(true);
    m_updateDeadline.setSingleShot(true);
    connect(&m_itemDeadline, &QTimer::timeout, this, [this] {
        const QString name = itemName(m_current);
        stop();
        end(tr("The update of %1 took longer than %2 minutes and was stopped")
                .arg(name, QString::number(m_limits.itemDeadlineMs / 60'000.0)));
    });
    connect(&m_updateDeadline, &QTimer::timeout, this, [this] {
        stop();
        end(tr("The whole update took longer than %1 minutes and was stopped")
                .arg(QString::number(m_limits.updateDeadlineMs / 60'000.0)));
    });
    connect(&m_client, &UpdateClient::stateChanged, this, &UpdateJob::stateChanged);
    connect(&m_installer, &ItemInstaller::logAdded, this, &UpdateJob::logAdded);
    connect(&m_installer, &ItemInstaller::lastLogChanged, this, &UpdateJob::lastLogChanged);
    connect(&m_installer, &ItemInstaller::fileProgress, this, &UpdateJob::report);
    connect(&m_installer, &ItemInstaller::itemProgress, this, [this](int done, int count) {
        // Fetching is most of an item; placing it the rest.
        m_itemFraction = count > 0 ? 0.9 * done / count : 0.9;
        m_bytesDone = m_stagedBefore + m_installer.stagedBytes();
        report(0, -1);
    });
    connect(&m_installer, &ItemInstaller::placeProgress, this, [this](qsizetype done, qsizetype count) {
        m_itemFraction = 0.9 + 0.1 * double(done) / double(count);
        report(0, -1);
    });
    connect(&m_installer, &ItemInstaller::done, this, &UpdateJob::itemFinished);
}

UpdateJob::~UpdateJob()
{
    stop();
}

void UpdateJob::setLimits(const Limits &limits)
{
    m_limits = limits;
    m_client.setLimits(limits.transfer);
}

QString UpdateJob::itemName(int index) const
{
    QString name = index >= 0 && index < m_updateNames.size() ? m_updateNames[index] : QString();
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

bool UpdateJob::isBusy() const
{
    return m_client.isBusy() || m_installer.isRunning() || m_current >= 0;
}

void UpdateJob::fetchVersions()
{
    m_versionList = std::make_unique<QBuffer>();
    m_versionList->open(QIODevice::WriteOnly);
    connect(&m_client, &UpdateClient::finished, this, &UpdateJob::versionListArrived, Qt::SingleShotConnection);
    m_client.fetch(QUrl(m_baseUrl + versionsName), m_versionList.get(), UpdateLists::maxVersionListBytes);
}

void UpdateJob::versionListArrived(const QString &error)
{
    if (!error.isEmpty() || !m_trust.required()) {
        versionsTaken(error);
        return;
    }
    m_versionSignature = std::make_unique<QBuffer>();
    m_versionSignature->open(QIODevice::WriteOnly);
    connect(
        &m_client, &UpdateClient::finished, this,
        [this](const QString &error) {
            const QByteArray signature = m_versionSignature->data();
            m_versionSignature.reset();
            versionsTaken(error.isEmpty()
                              ? m_trust.accept(versionsName, m_versionList->data(), signature)
                              : tr("The signature of %1 could not be fetched: %2").arg(versionsName, error));
        },
        Qt::SingleShotConnection);
    m_client.fetch(QUrl(m_baseUrl + ListTrust::signatureName(versionsName)), m_versionSignature.get(),
                   ListSignature::maxSignatureFileSize);
}

void UpdateJob::versionsTaken(const QString &error)
{
    // Without the list the rows still show what is installed, with no server version and no mark.
    m_serverVersions = error.isEmpty() ? UpdateLists::parseVersions(m_versionList->data()) : ServerVersions();
    m_versionList.reset();
    Q_EMIT versionsArrived(error);
}

void UpdateJob::start(const QList<int> &items, const ItemInstaller::Roots &roots)
{
    if (isBusy() || items.isEmpty())
        return;
    // One staging folder per update, under the user's cache folder; it goes when the update ends.
    const QString parent
        = m_stagingParent.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) : m_stagingParent;
    QDir().mkpath(parent);
    m_staging = std::make_unique<QTemporaryDir>(QDir(parent).filePath(u"update-XXXXXX"_s));
    if (!m_staging->isValid()) {
        const QString why = m_staging->errorString();
        m_staging.reset();
        Q_EMIT ended(tr("No staging folder could be made in %1: %2").arg(parent, why));
        return;
    }
    m_roots = roots;
    m_pending = items;
    m_itemsDone = 0;
    m_itemCount = int(items.size());
    m_bytesDone = 0;
    m_stagedBefore = 0;
    m_clock.start();
    m_updateDeadline.start(m_limits.updateDeadlineMs);
    next();
}

void UpdateJob::next()
{
    if (m_pending.isEmpty()) {
        end({});
        return;
    }
    m_current = m_pending.takeFirst();
    m_itemFraction = 0;
    Q_EMIT itemStarted(m_current);
    const QString name = itemName(m_current);
    const QString folder = m_staging->filePath(name);
    QDir().mkpath(folder);
    m_itemDeadline.start(m_limits.itemDeadlineMs);
    m_installer.start(name, folder, m_roots, m_limits.stagingCap - m_stagedBefore);
}

void UpdateJob::itemFinished(const QString &error)
{
    m_itemDeadline.stop();
    const int index = m_current;
    // Each item's staged files go as soon as it is placed, or refused.
    m_stagedBefore += m_installer.stagedBytes();
    QDir(m_staging->filePath(itemName(index))).removeRecursively();
    if (!error.isEmpty()) {
        // A failed item changes nothing; the items after it wait for another try.
        Q_EMIT itemDone(index, error);
        end(error);
        return;
    }
    const QString &key = m_updateNames[index];
    m_settings.setValue(AppSettings::Family::InstalledVersion, key, m_serverVersions[index]);
    m_settings.setValue(AppSettings::Family::UpdateDate, key,
                        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    ++m_itemsDone;
    m_itemFraction = 0;
    Q_EMIT itemDone(index, {});
    next();
}

void UpdateJob::report(qint64 received, qint64 total)
{
    Progress progress;
    progress.fileReceived = received;
    progress.fileTotal = total;
    progress.fraction = m_itemCount > 0 ? (m_itemsDone + m_itemFraction) / m_itemCount : 0;
    const qint64 elapsedMs = std::max<qint64>(m_clock.elapsed(), 1);
    progress.bytesPerSecond = (m_bytesDone + received) * 1000 / elapsedMs;
    if (progress.bytesPerSecond > 0 && total >= received)
        progress.fileSecondsLeft = (total - received) / progress.bytesPerSecond;
    if (progress.fraction > 0.01)
        progress.updateSecondsLeft = qint64(elapsedMs * (1 - progress.fraction) / progress.fraction / 1000);
    Q_EMIT progressed(progress);
}

void UpdateJob::end(const QString &error)
{
    m_itemDeadline.stop();
    m_updateDeadline.stop();
    m_current = -1;
    m_pending.clear();
    m_staging.reset();
    Q_EMIT ended(error);
}

void UpdateJob::stop()
{
    m_itemDeadline.stop();
    m_updateDeadline.stop();
    m_installer.cancel();
    m_client.cancel();
    m_versionList.reset();
    m_versionSignature.reset();
    disconnect(&m_client, &UpdateClient::finished, this, nullptr);
    m_current = -1;
    m_pending.clear();
    m_staging.reset();
}

void UpdateJob::cancel()
{
    stop();
}
