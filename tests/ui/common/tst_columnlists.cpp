#include "ColumnLists.h"
#include "ColumnProxyModel.h"

#include <QAbstractItemModelTester>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

using Change = std::function<void(QStandardItemModel &)>;

// A table of rows "a0 b0 c0", "a1 b1 c1", ...
void fill(QStandardItemModel &model, int rows)
{
    model.clear();
    model.setColumnCount(3);
    model.setHorizontalHeaderLabels({u"A"_s, u"B"_s, u"C"_s});
    for (int row = 0; row < rows; ++row) {
        QList<QStandardItem *> items;
        for (const QChar column : {u'a', u'b', u'c'})
            items.append(new QStandardItem(column + QString::number(row)));
        model.appendRow(items);
    }
}

QList<QStandardItem *> makeRow(const QString &suffix)
{
    return {new QStandardItem(u"a"_s + suffix), new QStandardItem(u"b"_s + suffix), new QStandardItem(u"c"_s + suffix)};
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
        for (int i = 0; i < 3; ++i) {
            views.append(new QListView(&window));
            layout->addWidget(views.constLast());
        }
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
    void proxyFollowsItsColumn_data();
    void proxyFollowsItsColumn();
    void proxyFollowsMovedRows();
    void proxyTellsOnlyOfItsOwnColumn();
    void proxyOutlivesItsSource();
    void oneRowIsSelectedInEveryList_data();
    void oneRowIsSelectedInEveryList();
    void selectionFollowsRemovedRows();
    void listsScrollTogether();
};

void TestColumnLists::proxyFollowsItsColumn_data()
{
    QTest::addColumn<Change>("change");
    QTest::newRow("rows put in front") << Change([](QStandardItemModel &m) { m.insertRow(0, makeRow(u"x"_s)); });
    QTest::newRow("row put between") << Change([](QStandardItemModel &m) { m.insertRow(2, makeRow(u"x"_s)); });
    QTest::newRow("row appended") << Change([](QStandardItemModel &m) { m.appendRow(makeRow(u"x"_s)); });
    QTest::newRow("rows removed") << Change([](QStandardItemModel &m) { m.removeRows(1, 2); });
    QTest::newRow("cell changed") << Change([](QStandardItemModel &m) { m.setData(m.index(3, 1), u"y"_s); });
    QTest::newRow("sorted") << Change([](QStandardItemModel &m) { m.sort(0, Qt::DescendingOrder); });
    QTest::newRow("emptied") << Change([](QStandardItemModel &m) { m.removeRows(0, m.rowCount()); });
    QTest::newRow("reset") << Change([](QStandardItemModel &m) { fill(m, 3); });
    QTest::newRow("column put in front") << Change([](QStandardItemModel &m) { m.insertColumn(0); });
    QTest::newRow("its column removed") << Change([](QStandardItemModel &m) { m.removeColumns(1, 2); });
    QTest::newRow("child rows") << Change([](QStandardItemModel &m) { m.item(0)->appendRow(makeRow(u"z"_s)); });
}

void TestColumnLists::proxyFollowsItsColumn()
{
    QFETCH(Change, change);
    QStandardItemModel source;
    fill(source, 5);
    ColumnProxyModel proxy(&source, 1);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(proxy.columnCount(), 1);
    QCOMPARE(proxy.headerData(0, Qt::Horizontal).toString(), u"B"_s);
    QCOMPARE(texts(proxy, 0), texts(source, 1));

    change(source);
    QCOMPARE(proxy.rowCount(), source.columnCount() > 1 ? source.rowCount() : 0);
    QCOMPARE(texts(proxy, 0), source.columnCount() > 1 ? texts(source, 1) : QStringList());
    for (int row = 0; row < proxy.rowCount(); ++row) {
        const QModelIndex cell = proxy.index(row, 0);
        QCOMPARE(proxy.mapToSource(cell), source.index(row, 1));
        QCOMPARE(proxy.mapFromSource(source.index(row, 1)), cell);
        QVERIFY(!proxy.mapFromSource(source.index(row, 0)).isValid());
    }
}

void TestColumnLists::proxyFollowsMovedRows()
{
    QStringListModel source({u"a"_s, u"b"_s, u"c"_s, u"d"_s});
    ColumnProxyModel proxy(&source, 0);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QPersistentModelIndex kept = proxy.index(0, 0);
    QVERIFY(source.moveRows({}, 0, 1, {}, 3));
    QCOMPARE(texts(proxy, 0), (QStringList{u"b"_s, u"c"_s, u"a"_s, u"d"_s}));
    QCOMPARE(kept.row(), 2);
}

void TestColumnLists::proxyTellsOnlyOfItsOwnColumn()
{
    QStandardItemModel source;
    fill(source, 4);
    ColumnProxyModel proxy(&source, 2);
    QSignalSpy changed(&proxy, &QAbstractItemModel::dataChanged);
    source.setData(source.index(1, 0), u"elsewhere"_s);
    QCOMPARE(changed.size(), 0);
    source.setData(source.index(3, 2), u"here"_s);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).value<QModelIndex>(), proxy.index(3, 0));
    QCOMPARE(proxy.index(3, 0).data().toString(), u"here"_s);
}

void TestColumnLists::proxyOutlivesItsSource()
{
    auto source = std::make_unique<QStandardItemModel>();
    fill(*source, 3);
    ColumnProxyModel proxy(source.get(), 0);
    QSignalSpy reset(&proxy, &QAbstractItemModel::modelReset);
    source.reset();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(proxy.rowCount(), 0);
    QVERIFY(!proxy.index(0, 0).isValid());
}

void TestColumnLists::oneRowIsSelectedInEveryList_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("first list, click") << 0 << false;
    QTest::newRow("middle list, click") << 1 << false;
    QTest::newRow("last list, keys") << 2 << true;
}

void TestColumnLists::oneRowIsSelectedInEveryList()
{
    QFETCH(int, list);
    QFETCH(bool, byKeys);
    Lists l;
    l.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.window));
    QSignalSpy changed(l.columns, &ColumnLists::selectedRowChanged);
    QListView *view = l.views.at(list);
    if (byKeys) {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(2, 0));
        QTest::keyClick(view, Qt::Key_Down);
    } else {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(3, 0)).center());
    }
    QCOMPARE(l.selectedRows(), (QList<int>{3, 3, 3}));
    QCOMPARE(l.columns->selectedRow(), 3);
    QCOMPARE(changed.constLast().at(0).toInt(), 3);
    // The rows of the table itself, as whoever acts on the selection reads them.
    QCOMPARE(l.columns->selectionModel()->selectedRows(), QModelIndexList{l.model.index(3, 0)});
    for (const QListView *other : std::as_const(l.views))
        QCOMPARE(other->currentIndex().row(), 3);

    l.columns->selectRow(1);
    QCOMPARE(l.selectedRows(), (QList<int>{1, 1, 1}));
    // A change made to the rows' selection model shows in every list, as the editor's delete does.
    l.columns->selectionModel()->clear();
    QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
    QCOMPARE(l.columns->selectedRow(), -1);
    QCOMPARE(changed.constLast().at(0).toInt(), -1);
    l.columns->selectRow(4);
    l.columns->clearSelection();
    QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
}

void TestColumnLists::selectionFollowsRemovedRows()
{
    Lists l;
    l.columns->selectRow(3);
    l.model.removeRow(0);
    QCOMPARE(l.columns->selectedRow(), 2);
    QCOMPARE(l.selectedRows(), (QList<int>{2, 2, 2}));
    l.model.removeRow(2);
    QCOMPARE(l.columns->selectedRow(), -1);
    QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
    l.columns->selectRow(1);
    fill(l.model, 5);
    QCOMPARE(l.selectedRows(), (QList<int>{-1, -1, -1}));
}

void TestColumnLists::listsScrollTogether()
{
    Lists l(500);
    l.window.resize(300, 200);
    l.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.window));
    // One scroll bar, at the right, for all of them.
    QCOMPARE(l.views.at(0)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(l.views.at(1)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(l.views.at(2)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QScrollBar *bar = l.views.at(2)->verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QVERIFY(bar->value() > 0);
    for (const QListView *view : std::as_const(l.views))
        QCOMPARE(view->verticalScrollBar()->value(), bar->value());
    // The keys in any list bring the others along.
    l.views.at(0)->setFocus();
    QTest::keyClick(l.views.at(0), Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    for (const QListView *view : std::as_const(l.views))
        QVERIFY(view->viewport()->rect().contains(view->visualRect(view->model()->index(499, 0))));
}

QTEST_MAIN(TestColumnLists)
#include "tst_columnlists.moc"
