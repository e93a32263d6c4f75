#pragma once

#include <QList>
#include <QObject>

class QAbstractItemModel;
class QItemSelectionModel;
class QListView;

// Shows the columns of one flat table model side by side, one list view per column, as a table would: each list
// holds only its own column (as its screen reader hears it, too), one row is selected in all of them at once,
// whichever list it was chosen in, and they scroll together under the last list's scroll bar.
class ColumnLists : public QObject
{
    Q_OBJECT

public:
    // The i-th list shows column i of model.
    ColumnLists(QAbstractItemModel *model, const QList<QListView *> &lists, QObject *parent);

    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
    void clearSelection();
    // The selection as whole rows of the model itself, for whoever acts on the selected row; a change made to it
    // shows in every list.
    QItemSelectionModel *selectionModel() const { return m_rows; }

Q_SIGNALS:
    void selectedRowChanged(int row);

private:
    void takeSelectionFrom(QItemSelectionModel *list);
    void showSelection();

    QAbstractItemModel *m_model;
    QList<QListView *> m_lists;
    QItemSelectionModel *m_rows;
    bool m_syncing = false;
};
