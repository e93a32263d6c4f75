#include "ColumnLists.h"

#include <QHBoxLayout>
#include <QListView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The roster window's suite clicks and keys through its lists and sees one row selected in all of them; what it
// does not see is the lists scrolling as one, and a cleared selection leaving no list marked.
class TestColumnLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsScrollAndClearTogether()
    {
        // Three lists over a table of 500 rows of three columns, side by side in a window of their own.
        QStandardItemModel model(500, 3);
        QWidget window;
        auto *layout = new QHBoxLayout(&window);
        QList<QListView *> views;
        for (int i = 0; i < 3; ++i)
            layout->addWidget(views.emplace_back(new QListView(&window)));
        ColumnLists columns(&model, views, &window);
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // One scroll bar, at the right, for all of them; the keys in any list bring the others along.
        QCOMPARE(views.at(0)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(views.at(2)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        views.at(0)->setFocus();
        QTest::keyClick(views.at(0), Qt::Key_End);
        QScrollBar *bar = views.at(2)->verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        for (const QListView *view : std::as_const(views)) {
            QVERIFY(view->viewport()->rect().contains(view->visualRect(view->model()->index(499, 0))));
            QCOMPARE(view->selectionModel()->selectedIndexes().value(0).row(), 499);
        }
        columns.clearSelection();
        QCOMPARE(columns.selectedRow(), -1);
        for (const QListView *view : std::as_const(views))
            QVERIFY(view->selectionModel()->selectedIndexes().isEmpty());
    }
};

QTEST_MAIN(TestColumnLists)
#include "tst_columnlists.moc"
