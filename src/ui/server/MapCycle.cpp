#include "MapCycle.h"

#include "ui_MapCycle.h"

#include "DialogKeys.h"
#include "MapCycleFile.h"
#include "MapFolder.h"
#include "MapNamesModel.h"
#include "MessageBox.h"
#include "Pictures.h"
#include "Session.h"

#include <QStyle>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

MapCycle::MapCycle(const Session &session, RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::MapCycle>())
    , m_session(session)
    , m_random(random)
{
    m_ui->setupUi(this);
    DialogKeys::attach(this);
    m_ui->Picture1->setPixmap(Pictures::pixmap(Pictures::serverConfig, devicePixelRatioF()));
    const QIcon sign = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    m_files = new MapNamesModel(MapNamesModel::Names::Files, m_check, sign, this);
    m_cycle = new MapNamesModel(MapNamesModel::Names::Entries, m_check, sign, this);
    m_ui->File1->setModel(m_files);
    m_ui->List1->setModel(m_cycle);
    for (QAbstractItemView *list :
         {static_cast<QAbstractItemView *>(m_ui->File1), static_cast<QAbstractItemView *>(m_ui->List1)})
        list->setIconSize(QSize(16, 16));

    QWidget *over = parent ? parent : this;
    const QString gameDir = m_session.gameDir();
    MapFolder::Listing maps = MapFolder::list(gameDir, m_session.botName());
    m_check = std::move(maps.waypoints);
    if (!maps.folderFound)
        MessageBox::information(over,
                                tr("The game folder has no \"maps\" folder, so there are no maps to choose from."));
    m_files->setStringList(maps.fileNames);
    const MapCycleFile::ReadResult read = MapCycleFile::read(gameDir);
    if (!read.message.isEmpty())
        MessageBox::information(over, read.message);
    m_cycle->setStringList(read.entries);
    m_read = read.entries;

    m_ui->Text1->setText(u"10"_s);
    m_ui->UpDown1->setBuddy(m_ui->Text1);
    m_ui->UpDown1->setAccessibleName(m_ui->Text1->accessibleName());
    m_ui->UpDown1->setRange(0, int(maps.fileNames.size()));
    connect(m_ui->UpDown1, &UpDown::stepRequested, m_ui->Text1,
            [this](int delta) { m_ui->Text1->setText(m_ui->UpDown1->stepped(m_ui->Text1->text(), delta)); });

    connect(m_ui->Command1, &QPushButton::clicked, this, &MapCycle::addSelected);
    connect(m_ui->Command2, &QPushButton::clicked, this, &MapCycle::removeSelected);
    connect(m_ui->Command3, &QPushButton::clicked, this, [this] { m_cycle->setStringList({}); });
    connect(m_ui->Command6, &QPushButton::clicked, this, &MapCycle::fillAtRandom);
    connect(m_ui->Command4, &QPushButton::clicked, this, &MapCycle::accept);
    connect(m_ui->Command5, &QPushButton::clicked, this, &MapCycle::discard);
}

MapCycle::~MapCycle() = default;

QStringList MapCycle::cycle() const
{
    return m_cycle->stringList();
}

namespace {

// The selected rows of a list, top to bottom, whatever order they were picked in.
QList<int> selectedRows(const QAbstractItemView *view)
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

void MapCycle::addSelected()
{
    const QStringList files = m_files->stringList();
    QStringList entries = m_cycle->stringList();
    for (int row : selectedRows(m_ui->File1))
        entries.append(MapFolder::entryName(files.at(row)));
    m_cycle->setStringList(entries);
}

void MapCycle::removeSelected()
{
    const QList<int> rows = selectedRows(m_ui->List1);
    if (rows.isEmpty())
        return;
    QStringList kept;
    const QStringList entries = m_cycle->stringList();
    for (int row = 0, next = 0; row < entries.size(); ++row) {
        if (next < rows.size() && rows.at(next) == row)
            ++next;
        else
            kept.append(entries.at(row));
    }
    m_cycle->setStringList(kept);
}

void MapCycle::fillAtRandom()
{
    const MapFolder::Draw draw = MapFolder::random(m_files->stringList(), m_ui->Text1->text(), m_random);
    if (!draw.done) {
        MessageBox::information(this, draw.message);
        return;
    }
    m_cycle->setStringList(draw.cycle);
}

void MapCycle::accept()
{
    if (const QString why = MapCycleFile::write(m_session.gameDir(), cycle()); !why.isEmpty()) {
        MessageBox::information(this, why);
        return;
    }
    QDialog::accept();
    deleteLater();
}

void MapCycle::reject()
{
    // Escape and the close box ask before edits are lost; the Cancel button is the answer given beforehand.
    if (MessageBox::mayCloseDialog(this, cycle() != m_read,
                                   tr("The map cycle has changes that are not saved. Do you want to save them?")))
        discard();
}

void MapCycle::discard()
{
    QDialog::reject();
    deleteLater();
}
