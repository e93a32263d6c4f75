#include "ColumnLists.h"

#include "ColumnProxyModel.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>

ColumnLists::ColumnLists(QAbstractItemModel *model, const QList<QListView *> &lists, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_lists(lists)
    , m_rows(new QItemSelectionModel(model, this))
{
    for (qsizetype column = 0; column < m_lists.size(); ++column) {
        QListView *list = m_lists.at(column);
        list->setModel(new ColumnProxyModel(model, int(column), list));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Every row is one line high: with thousands of rows, the lists then never measure them one by one.
        list->setUniformItemSizes(true);
        if (column + 1 < m_lists.size())
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

        QItemSelectionModel *selection = list->selectionModel();
        connect(selection, &QItemSelectionModel::selectionChanged, this,
                [this, selection] { takeSelectionFrom(selection); });
        connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            for (QListView *other : std::as_const(m_lists))
                other->verticalScrollBar()->setValue(value);
        });
    }
    connect(m_rows, &QItemSelectionModel::selectionChanged, this, &ColumnLists::showSelection);
}

int ColumnLists::selectedRow() const
{
    const QModelIndexList rows = m_rows->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ColumnLists::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        clearSelection();
        return;
    }
    m_rows->setCurrentIndex(m_model->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ColumnLists::clearSelection()
{
    m_rows->clear();
}

void ColumnLists::takeSelectionFrom(QItemSelectionModel *list)
{
    if (m_syncing)
        return;
    const QModelIndexList selected = list->selectedIndexes();
    selectRow(selected.isEmpty() ? -1 : selected.constFirst().row());
}

void ColumnLists::showSelection()
{
    const int row = selectedRow();
    m_syncing = true;
    for (QListView *list : std::as_const(m_lists)) {
        if (row < 0)
            list->selectionModel()->clear();
        else
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    }
    m_syncing = false;
    Q_EMIT selectedRowChanged(row);
}
