#include "ArchiveInstall.h"

#include "BotCatalogue.h"
#include "DialogKeys.h"
#include "MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Runs work on a thread of its own and hands its result to then on context's thread, so that reading or unpacking
// a large archive never holds up the window. then is dropped when context has gone meanwhile.
template <typename Work, typename Then>
void inWorker(QObject *context, Work work, Then then)
{
    auto result = std::make_shared<decltype(work())>();
    QThread *thread = QThread::create([result, work] { *result = work(); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, context, [result, then] { then(*result); });
    thread->start();
}

// The add-ons, as the catalogue orders them, without the plain game.
QList<BotType> addOns()
{
    QList<BotType> types;
    for (const BotInfo &info : BotCatalogue::all()) {
        if (info.type != BotType::OriginalCS)
            types.append(info.type);
    }
    return types;
}

// The add-on an archive's name suggests ("podbot_3.0.tar.gz" is PodBot's), or the first.
int guessAddOn(const QString &archivePath)
{
    const QString name = QFileInfo(archivePath).fileName().remove(u' ').remove(u'-').remove(u'_');
    const QList<BotType> types = addOns();
    for (qsizetype i = 0; i < types.size(); ++i) {
        if (name.contains(QString(BotCatalogue::info(types.at(i)).botName), Qt::CaseInsensitive))
            return int(i);
    }
    return 0;
}

} // namespace

QString ArchiveInstall::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

void ArchiveInstall::uninstall(QWidget *parent, const AddOnInstall::Folders &folders, const QString &botName,
                               const std::function<void(const AddOnInstall::Removal &)> &done)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    inWorker(parent, [folders, botName, data = dataFolder()] { return AddOnInstall::uninstall(folders, botName, data); },
             [done](const AddOnInstall::Removal &removal) {
                 QApplication::restoreOverrideCursor();
                 done(removal);
             });
}

void ArchiveInstall::chooseAndInstall(QWidget *parent, const AddOnInstall::Folders &folders,
                                      const Installed &installed)
{
    QString start = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (!QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString path = QFileDialog::getOpenFileName(
        parent, tr("Install An Add-on From Its Archive"), start,
        tr("Add-on archives (*.zip *.7z *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.rar);;All files (*)"));
    if (path.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    inWorker(parent, [path] { return AddOnArchive::list(path); },
             [parent, path, folders, installed](const AddOnArchive::Listing &listing) {
                 QApplication::restoreOverrideCursor();
                 if (!listing.error.isEmpty()) {
                     MessageBox::information(parent, listing.error + u"\n\n"_s + tr("Nothing was installed."));
                     return;
                 }
                 auto *dialog = new ArchiveInstall(path, listing, folders, parent);
                 dialog->setAttribute(Qt::WA_DeleteOnClose);
                 dialog->m_installed = installed;
                 dialog->open();
             });
}

ArchiveInstall::ArchiveInstall(const QString &archivePath, const AddOnArchive::Listing &listing,
                               const AddOnInstall::Folders &folders, QWidget *parent)
    : QDialog(parent), m_archivePath(archivePath), m_listing(listing), m_folders(folders)
{
    setObjectName(u"ArchiveInstall"_s);
    setWindowTitle(tr("Install An Add-on From Its Archive"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Trevlin puts the files of \"%1\" into the game's folders, all of them or none. "
                                "Every game file it replaces is kept first, so that Uninstall can put it back.")
                                 .arg(QFileInfo(archivePath).fileName()));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto *form = new QFormLayout;
    m_addOn = new QComboBox;
    m_addOn->setObjectName(u"addOnCombo"_s);
    for (const BotType type : addOns())
        m_addOn->addItem(QString(BotCatalogue::info(type).botName));
    m_addOn->setCurrentIndex(guessAddOn(archivePath));
    form->addRow(tr("&Add-on:"), m_addOn);
    m_target = new QComboBox;
    m_target->setObjectName(u"targetCombo"_s);
    m_target->addItem(tr("The Counter-Strike folder (%1)").arg(QDir::toNativeSeparators(folders.game)),
                      int(AddOnInstall::Root::Game));
    m_target->addItem(tr("The Half-Life folder (%1)").arg(QDir::toNativeSeparators(folders.halfLife)),
                      int(AddOnInstall::Root::HalfLife));
    form->addRow(tr("Install i&nto:"), m_target);
    layout->addLayout(form);

    const AddOnInstall::Placement guessed = AddOnInstall::guess(listing.files, folders);
    const QString first = listing.files.first().path;
    m_top = first.contains(u'/') ? first.section(u'/', 0, 0) : QString();
    for (const AddOnArchive::Entry &file : std::as_const(listing.files)) {
        if (!file.path.startsWith(m_top + u'/'))
            m_top.clear();
    }
    m_strip = new QCheckBox(tr("&Leave out the archive's top folder \"%1\"").arg(m_top));
    m_strip->setObjectName(u"stripCheck"_s);
    m_strip->setVisible(!m_top.isEmpty());
    m_strip->setChecked(!guessed.strip.isEmpty());
    m_target->setCurrentIndex(m_target->findData(int(guessed.root)));
    layout->addWidget(m_strip);

    m_files = new QTreeWidget;
    m_files->setObjectName(u"filesList"_s);
    m_files->setRootIsDecorated(false);
    m_files->setHeaderLabels({tr("File"), tr("Goes to, below that folder"), tr("Size")});
    m_files->setAccessibleName(tr("The archive's files and where each will go"));
    m_files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_files->setMinimumSize(560, 220);
    layout->addWidget(m_files, 1);

    auto *buttons = new QDialogButtonBox;
    m_install = buttons->addButton(tr("&Install"), QDialogButtonBox::AcceptRole);
    m_install->setObjectName(u"installButton"_s);
    m_install->setDefault(true);
    m_cancel = buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ArchiveInstall::install);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_target, &QComboBox::currentIndexChanged, this, &ArchiveInstall::showTargets);
    connect(m_strip, &QCheckBox::toggled, this, &ArchiveInstall::showTargets);
    DialogKeys::attach(this);
    showTargets();
}

QString ArchiveInstall::botName() const
{
    return m_addOn->currentText();
}

AddOnInstall::Placement ArchiveInstall::placement() const
{
    return {AddOnInstall::Root(m_target->currentData().toInt()), m_strip->isChecked() ? m_top : QString()};
}

void ArchiveInstall::showTargets()
{
    const AddOnInstall::Placement chosen = placement();
    const QDir root(AddOnInstall::rootFolder(m_folders, chosen.root));
    m_files->clear();
    QList<QTreeWidgetItem *> items;
    for (const AddOnArchive::Entry &file : std::as_const(m_listing.files)) {
        // Below the folder the combo box names.
        const QString relative = AddOnInstall::relativeTarget(file.path, chosen);
        QString goesTo = QDir::toNativeSeparators(relative);
        if (QFileInfo::exists(root.filePath(relative)))
            goesTo += u' ' + tr("(replaces the file there, which is kept)");
        items.append(new QTreeWidgetItem({file.path, goesTo, QLocale().formattedDataSize(file.size)}));
    }
    m_files->addTopLevelItems(items);
}

void ArchiveInstall::reject()
{
    // Cancel is greyed out for as long as an install runs; Escape and the title bar's close wait too.
    if (m_cancel->isEnabled())
        QDialog::reject();
}

void ArchiveInstall::install()
{
    m_install->setEnabled(false);
    m_cancel->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(cache);
    auto staging = std::make_shared<QTemporaryDir>(QDir(cache).filePath(u"install-XXXXXX"_s));
    const QString botName = this->botName();
    const QString data = dataFolder();
    const AddOnInstall::Placement chosen = placement();
    inWorker(this,
             [=, archive = m_archivePath, listing = m_listing, folders = m_folders] {
                 if (!staging->isValid())
                     return AddOnInstall::Outcome{tr("No staging folder could be made in %1: %2")
                                                      .arg(cache, staging->errorString()),
                                                  {}, {}, {}};
                 return AddOnInstall::install(archive, listing, chosen, folders, botName, data, staging->path());
             },
             [this, staging, botName](const AddOnInstall::Outcome &outcome) {
                 QApplication::restoreOverrideCursor();
                 if (!outcome.error.isEmpty()) {
                     m_install->setEnabled(true);
                     m_cancel->setEnabled(true);
                     MessageBox::information(this, outcome.error + u"\n\n"_s
                                                       + tr("Nothing was installed; the game's folders are as they "
                                                            "were."));
                     return;
                 }
                 MessageBox::information(this, tr("%1 is installed: %2 files added, %3 replaced (kept for "
                                                  "Uninstall).")
                                                   .arg(botName)
                                                   .arg(outcome.added.size())
                                                   .arg(outcome.replaced.size()));
                 const Installed installed = m_installed;
                 accept();
                 if (installed)
                     installed(botName, outcome.libraries);
             });
}
