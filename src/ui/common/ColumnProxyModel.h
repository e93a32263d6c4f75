#pragma once

#include <QAbstractProxyModel>
#include <QList>

// One column of a flat table model, as a model of one column: a list view over it shows that column alone, and so
// does everything that reads the view's model, such as assistive tools, which read every column a view's model has.
// Rows map one to one, so it costs nothing per row however long the table is.
class ColumnProxyModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    ColumnProxyModel(QAbstractItemModel *source, int column, QObject *parent = nullptr);

    int column() const { return m_column; }

    void setSourceModel(QAbstractItemModel *source) override;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex sibling(int row, int column, const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;

private:
    void connectSource();
    void sourceDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    void sourceHeaderDataChanged(Qt::Orientation orientation, int first, int last);

    // The source, as sourceModel() is, without the cost of reading a bindable property: a list asks for an index
    // of every row whenever it lays out its thousands of rows.
    QAbstractItemModel *m_source = nullptr;
    const int m_column;
    QList<QMetaObject::Connection> m_connections;
};
