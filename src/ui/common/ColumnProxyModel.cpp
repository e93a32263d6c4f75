#include "ColumnProxyModel.h"

ColumnProxyModel::ColumnProxyModel(QAbstractItemModel *source, int column, QObject *parent)
    : QAbstractProxyModel(parent)
    , m_column(column)
{
    setSourceModel(source);
}

void ColumnProxyModel::setSourceModel(QAbstractItemModel *source)
{
    beginResetModel();
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    QAbstractProxyModel::setSourceModel(source);
    m_source = source;
    if (source)
        connectSource();
    endResetModel();
}

void ColumnProxyModel::connectSource()
{
    QAbstractItemModel *source = m_source;
    // Only the top level of the source holds rows; anything below it is not shown.
    const auto topLevel = [](const QModelIndex &parent) {
        return !parent.isValid();
    };
    m_connections = {
        connect(source, &QObject::destroyed, this,
                [this] {
                    beginResetModel();
                    m_source = nullptr;
                    endResetModel();
                }),
        connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this,
                [this, topLevel](const QModelIndex &parent, int first, int last) {
                    if (topLevel(parent))
                        beginInsertRows({}, first, last);
                }),
        connect(source, &QAbstractItemModel::rowsInserted, this,
                [this, topLevel](const QModelIndex &parent) {
                    if (topLevel(parent))
                        endInsertRows();
                }),
        connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                [this, topLevel](const QModelIndex &parent, int first, int last) {
                    if (topLevel(parent))
                        beginRemoveRows({}, first, last);
                }),
        connect(source, &QAbstractItemModel::rowsRemoved, this,
                [this, topLevel](const QModelIndex &parent) {
                    if (topLevel(parent))
                        endRemoveRows();
                }),
        connect(source, &QAbstractItemModel::dataChanged, this, &ColumnProxyModel::sourceDataChanged),
        connect(source, &QAbstractItemModel::headerDataChanged, this, &ColumnProxyModel::sourceHeaderDataChanged),
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::modelReset, this, &ColumnProxyModel::endResetModel),
        // Columns coming or going may move the shown column, and rows moved or put in a new order would need every
        // persistent index mapped anew. A roster does none of these (its bots keep the order they were added in),
        // so they are taken as a reset.
        connect(source, &QAbstractItemModel::columnsAboutToBeInserted, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::columnsInserted, this, &ColumnProxyModel::endResetModel),
        connect(source, &QAbstractItemModel::columnsAboutToBeRemoved, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::columnsRemoved, this, &ColumnProxyModel::endResetModel),
        connect(source, &QAbstractItemModel::columnsAboutToBeMoved, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::columnsMoved, this, &ColumnProxyModel::endResetModel),
        connect(source, &QAbstractItemModel::rowsAboutToBeMoved, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::rowsMoved, this, &ColumnProxyModel::endResetModel),
        connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, &ColumnProxyModel::beginResetModel),
        connect(source, &QAbstractItemModel::layoutChanged, this, &ColumnProxyModel::endResetModel),
    };
}

QModelIndex ColumnProxyModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount())
        return {};
    return createIndex(row, 0);
}

QModelIndex ColumnProxyModel::parent(const QModelIndex &) const
{
    return {};
}

int ColumnProxyModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_source || m_column >= m_source->columnCount())
        return 0;
    return m_source->rowCount();
}

int ColumnProxyModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_source || m_column >= m_source->columnCount())
        return 0;
    return 1;
}

QModelIndex ColumnProxyModel::sibling(int row, int column, const QModelIndex &) const
{
    return index(row, column);
}

QVariant ColumnProxyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!m_source)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? m_source->headerData(m_column, orientation, role) : QVariant();
    return m_source->headerData(section, orientation, role);
}

QModelIndex ColumnProxyModel::mapToSource(const QModelIndex &proxyIndex) const
{
    if (!proxyIndex.isValid() || !m_source)
        return {};
    return m_source->index(proxyIndex.row(), m_column);
}

QModelIndex ColumnProxyModel::mapFromSource(const QModelIndex &sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.parent().isValid() || sourceIndex.column() != m_column)
        return {};
    return createIndex(sourceIndex.row(), 0);
}

void ColumnProxyModel::sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                         const QList<int> &roles)
{
    if (topLeft.parent().isValid() || m_column < topLeft.column() || m_column > bottomRight.column())
        return;
    Q_EMIT dataChanged(createIndex(topLeft.row(), 0), createIndex(bottomRight.row(), 0), roles);
}

void ColumnProxyModel::sourceHeaderDataChanged(Qt::Orientation orientation, int first, int last)
{
    if (orientation == Qt::Vertical)
        Q_EMIT headerDataChanged(orientation, first, last);
    else if (first <= m_column && m_column <= last)
        Q_EMIT headerDataChanged(orientation, 0, 0);
}
