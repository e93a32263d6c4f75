#include "ColumnLists.h"
#include "ColumnProxyModel.h"

#include <QAbstractItemModelTester>
#include <QHBoxLayout>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Change = std::function<void(QStandardItemModel &)>;

// A table of rows "a0 b0 c0", "a1 b1 c1", ...
void fill(QStandardItemModel &model, int rows)
{
    model.clear();
    model.setHorizontalHeaderLabels({u"A"_s, u"B"_s, u"C"_s});
    for (int row = 0; row < rows; ++row) {
        QList<QStandardItem *> items;
        for (const QChar column : {u'a', u'b', u'c'})
            items.append(new QStandardItem(column + QString::number(row)));
        model.appendRow(items);
    }
}

QList<QStandardItem *> newRow()
{
    return {new QStandardItem(u"ax"_s), new QStandardItem(u"bx"_s), new QStandardItem(u"cx"_s)};
}

QStringList texts(const QAbstractItemModel &model, int column)
{
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row)
        cells.append(model.index(row, column).data().toString());
    return cells;
}

// Three lists over a table of three columns, side by side in a window of their own.
struct Lists
{
    QStandardItemModel model;
    QWidget window;
    QList<QListView *> views;
    ColumnLists *columns;

    explicit Lists(int rows = 5)
    {
        fill(model, rows);
        auto *layout = new QHBoxLayout(&window);
        for (int i = 0; i < 3; ++i)
            layout->addWidget(views.emplace_back(new QListView(&window)));
        columns = new ColumnLists(&model, views, &window);
    }

    // The row selected in each list, or -1.
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QListView *view : views) {
            const QModelIndexList selected = view->selectionModel()->selectedIndexes();
            rows.append(selected.size() == 1 ? selected.constFirst().row() : -1);
        }
        return rows;
    }
};

} // namespace

class TestColumnLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proxyFollowsItsColumn_data()
    {
        QTest::addColumn<Change>("change");
        // The changes a roster makes to its table.
        QTest::newRow("row put in front") << Change([](QStandardItemModel &m) { m.insertRow(0, newRow()); });
        QTest::newRow("row put between") << Change([](QStandardItemModel &m) { m.insertRow(2, newRow()); });
        QTest::newRow("rows removed") << Change([](QStandardItemModel &m) { m.removeRows(1, 2); });
        QTest::newRow("cell changed") << Change([](QStandardItemModel &m) { m.setData(m.index(3, 1), u"y"_s); });
        QTest::newRow("reset") << Change([](QStandardItemModel &m) { fill(m, 3); });
    }

    void proxyFollowsItsColumn()
    {
        QFETCH(Change, change);
        QStandardItemModel source;
        fill(source, 5);
        ColumnProxyModel proxy(&source, 1);
        // Checks the proxy against the rules of Qt's models after every change.
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(proxy.headerData(0, Qt::Horizontal).toString(), u"B"_s);

        change(source);
        QCOMPARE(proxy.columnCount(), 1);
        QCOMPARE(texts(proxy, 0), texts(source, 1));
        for (int row = 0; row < proxy.rowCount(); ++row) {
            QCOMPARE(proxy.mapToSource(proxy.index(row, 0)), source.index(row, 1));
            QCOMPARE(proxy.mapFromSource(source.index(row, 1)), proxy.index(row, 0));
            QVERIFY(!proxy.mapFromSource(source.index(row, 0)).isValid());
        }
    }

    // The editors' windows click and key through the lists; their delete and New work on the rows' selection model.
    void oneRowIsSelectedInEveryList()
    {
        Lists l;
        QSignalSpy changed(l.columns, &ColumnLists::selectedRowChanged);
        l.columns->selectRow(1);
        QCOMPARE(l.selectedRows(), (QList<int>{1, 1, 1}));
        QCOMPARE(changed.constLast().at(0).toInt(), 1);
        // The whole row of the table itself, as whoever acts on the selection reads it.
        QCOMPARE(l.columns->selectionModel()->selectedRows(), QModelIndexList{l.model.index(1, 0)});
        l.columns->selectionModel()->clear();
        QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
        QCOMPARE(changed.constLast().at(0).toInt(), -1);
        l.columns->selectRow(4);
        l.columns->clearSelection();
        QCOMPARE(l.columns->selectedRow(), -1);
        QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));

        // A row removed above the selected one moves the selection with its row; removing that row clears it.
        l.columns->selectRow(3);
        l.model.removeRow(0);
        QCOMPARE(l.columns->selectedRow(), 2);
        QCOMPARE(l.selectedRows(), (QList<int>{2, 2, 2}));
        l.model.removeRow(2);
        QCOMPARE(l.columns->selectedRow(), -1);
        QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
    }

    void listsScrollTogether()
    {
        Lists l(500);
        l.window.resize(300, 200);
        l.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&l.window));
        // One scroll bar, at the right, for all of them; the keys in any list bring the others along.
        QCOMPARE(l.views.at(0)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(l.views.at(2)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        l.views.at(0)->setFocus();
        QTest::keyClick(l.views.at(0), Qt::Key_End);
        QScrollBar *bar = l.views.at(2)->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        for (const QListView *view : std::as_const(l.views))
            QVERIFY(view->viewport()->rect().contains(view->visualRect(view->model()->index(499, 0))));
    }
};

QTEST_MAIN(TestColumnLists)
#include "tst_columnlists.moc"
