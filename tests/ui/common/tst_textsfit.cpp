#include "ArchiveInstall.h"
#include "MainScreenHarness.h"
#include "RosterAddOn.h"
#include "SetUpAddOn.h"
#include "Translations.h"
#include "roster/EditorControls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QToolButton>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QString withoutMnemonic(QString text)
{
    return text.replace("&&"_L1, "\x01"_L1).remove(u'&').replace(u'\x01', u'&');
}

QChar mnemonic(const QString &text)
{
    const QString marked = QString(text).replace("&&"_L1, QString());
    const qsizetype at = marked.indexOf(u'&');
    return at >= 0 && at + 1 < marked.size() ? marked.at(at + 1).toLower() : QChar();
}

// Every control of window that shows less than its whole text, and every key that two of its controls share.
class Inspection
{
public:
    QStringList problems;

    void window(QWidget *window)
    {
        QHash<QChar, QString> keys;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->window() != window || !widget->isVisibleTo(window))
                continue;
            if (auto *label = qobject_cast<QLabel *>(widget))
                this->label(label, keys);
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                this->button(button, keys);
            else if (auto *box = qobject_cast<QGroupBox *>(widget))
                groupBox(box, keys);
            else if (auto *header = qobject_cast<QHeaderView *>(widget))
                this->header(header);
            else if (auto *bar = qobject_cast<QMenuBar *>(widget))
                menuBar(bar, keys);
        }
    }

private:
    void clipped(const QWidget *widget, const QString &text, int needs, int has)
    {
        if (needs > has)
            problems << u"%1 \"%2\" needs %3 pixels, has %4"_s.arg(widget->objectName(), text).arg(needs).arg(has);
    }
    void key(QHash<QChar, QString> &keys, const QString &text)
    {
        const QChar key = mnemonic(text);
        if (key.isNull())
            return;
        if (keys.contains(key))
            problems << u"\"%1\" and \"%2\" share the key %3"_s.arg(keys[key], text, key);
        keys.insert(key, text);
    }

    void label(QLabel *label, QHash<QChar, QString> &keys)
    {
        if (label->text().isEmpty())
            return;
        if (label->wordWrap())
            clipped(label, label->text(), label->heightForWidth(label->width()), label->height());
        else
            clipped(label, label->text(), label->minimumSizeHint().width(), label->width());
        if (label->buddy())
            key(keys, label->text());
    }

    void button(QAbstractButton *button, QHash<QChar, QString> &keys)
    {
        const auto *tool = qobject_cast<QToolButton *>(button);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            return;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox *>(button), radio = qobject_cast<QRadioButton *>(button);
        const auto contents = check   ? QStyle::SE_CheckBoxContents
                              : radio ? QStyle::SE_RadioButtonContents
                                      : QStyle::SE_PushButtonContents;
        int has = button->style()->subElementRect(contents, &option, button).width();
        if (!button->icon().isNull())
            has -= button->iconSize().width() + 4;
        const QString text = withoutMnemonic(button->text());
        clipped(button, text, button->fontMetrics().horizontalAdvance(text), has);
        key(keys, button->text());
    }

    void groupBox(QGroupBox *box, QHash<QChar, QString> &keys)
    {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QString title = withoutMnemonic(box->title());
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        clipped(box, title, box->fontMetrics().horizontalAdvance(title), std::min(label.width(), box->width()));
        key(keys, box->title());
    }

    void header(QHeaderView *header)
    {
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int section = 0; section < header->count(); ++section) {
            const QString text = header->model()->headerData(section, header->orientation()).toString();
            if (!header->isSectionHidden(section))
                clipped(header, text, header->fontMetrics().horizontalAdvance(text) + margins,
                        header->sectionSize(section));
        }
    }

    void menuBar(QMenuBar *bar, QHash<QChar, QString> &keys)
    {
        for (QAction *entry : bar->actions()) {
            if (!entry->isVisible())
                continue;
            const QString title = withoutMnemonic(entry->text());
            clipped(bar, title, bar->fontMetrics().horizontalAdvance(title), bar->actionGeometry(entry).width());
            key(keys, entry->text());
            if (entry->menu())
                menu(entry->menu());
        }
    }

    // A menu is as wide as its widest entry, and its entries' keys are its own.
    void menu(QMenu *menu)
    {
        QHash<QChar, QString> keys;
        for (QAction *entry : menu->actions()) {
            if (!entry->isVisible() || entry->isSeparator())
                continue;
            const QString text = withoutMnemonic(entry->text()) + entry->shortcut().toString(QKeySequence::NativeText);
            clipped(menu, text, menu->fontMetrics().horizontalAdvance(text), menu->sizeHint().width());
            key(keys, entry->text());
            if (entry->menu())
                this->menu(entry->menu());
        }
    }
};

// A main window over a game folder with every add-on installed, names for random bots and a map.
struct Harness : MainScreenHarness, EditorControls
{
    Harness()
    {
        QStringList installed;
        for (const RosterAddOn &addOn : RosterAddOn::all())
            installed << addOn.botName() + u" liblist.gam"_s;
        start(installed);
        game.write(u"TRNames.txt"_s, "header\r\nheader\r\nheader\r\nheader\r\nName1\r\n");
        game.write(u"maps/de_dust.bsp"_s, "map");
    }
    template<typename T = QWidget> T *opened(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    // Presses a control of the window named, and returns the window that opens.
    QWidget *openFrom(const QString &opener, const QString &control, const QString &name) const
    {
        Widgets::press(opened(opener), control);
        return opened(name);
    }
    // The editor that the edit button named opens, with one bot in it, saved unless it is to be saved yet.
    RosterWindow *edit(const QString &button, bool saved = true)
    {
        press(button);
        const QList<RosterWindow *> editors = window->findChildren<RosterWindow *>();
        editor = *std::find_if(editors.cbegin(), editors.cend(), [](const QWidget *shown) { return shown->isVisible(); });
        addBots(1, saved ? game.gameDir() : QString());
        // The add dialog that was closed goes, so that the next opening makes a new one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        selectRow(0);
        return editor;
    }
    QWidget *editorDialog(const QString &button, const QString &dialogs)
    {
        edit(button, !dialogs.contains(u"Save"_s));
        if (dialogs.contains(u"Open"_s) || dialogs.contains(u"Save"_s))
            at<QAction>(dialogs.contains(u"Open"_s) ? u"Open"_s : u"Save"_s)->trigger();
        else
            open(dialogs.startsWith(u"Add|"_s) ? u"add"_s : dialogs.startsWith(u"Edit"_s) ? u"edit"_s : u"multiple"_s);
        return dialog(dialogs.section(u'|', 1));
    }
};

using Opener = std::function<QWidget *(Harness &)>;

} // namespace

class TestTextsFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The update window asks its server at once: one that answers nothing, at once.
        qputenv("TREVLIN_UPDATE_URL", "http://127.0.0.1:9/");
    }

    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("window");
        const QString ram = u"Command2"_s, android = u"Command1"_s;
        QList<std::pair<QString, Opener>> windows = {
            {u"MainScreen"_s, [](Harness &h) { return h.window.get(); }},
            {u"DirSelect"_s, [](Harness &h) { return h.press(u"Properties"_s), h.opened(u"DirSelect"_s); }},
            {u"ConfigFile"_s,
             [](Harness &h) { return h.press(u"Option2"_s), h.press(u"folder"_s), h.opened(u"ConfigFile"_s); }},
            {u"ConfigScreen"_s, [](Harness &h) { return h.press(u"config"_s), h.opened(u"ConfigScreen"_s); }},
            {u"MapCycle"_s,
             [](Harness &h) { return h.press(u"config"_s), h.openFrom(u"ConfigScreen"_s, u"Command4"_s, u"MapCycle"_s); }},
            {u"MotdScreen"_s,
             [](Harness &h) { return h.press(u"config"_s), h.openFrom(u"ConfigScreen"_s, u"Command3"_s, u"MotdScreen"_s); }},
            {u"AboutScreen"_s, [](Harness &h) { return h.press(u"about"_s), h.opened(u"AboutScreen"_s); }},
            {u"Update"_s, [](Harness &h) { return h.press(u"updAll"_s), h.opened(u"Update"_s); }},
            {u"SetUpAddOn"_s,
             [](Harness &h) {
                 h.opened<QAction>(u"setUpAddOnAction"_s)->trigger();
                 return h.window->findChild<SetUpAddOn *>();
             }},
            {u"ArchiveInstall"_s,
             [](Harness &h) {
                 const AddOnArchive::Listing listing{
                     {{u"RamBot 1.6/dlls/rambot.dll"_s, 10}, {u"RamBot 1.6/rambot.cfg"_s, 5}}, {}};
                 auto *dialog = new ArchiveInstall(h.game.halfLifeDir() + u"/RamBot 1.6.zip"_s, listing,
                                                   {h.game.halfLifeDir(), h.game.gameDir()}, h.window.get());
                 dialog->show();
                 return dialog;
             }},
        };
        // Each add-on's editor, with the options it shows.
        for (const int button : {1, 2, 5, 6, 7, 8, 10, 11, 12, 13, 14}) {
            const QString name = u"Command%1"_s.arg(button);
            windows.append({u"editor "_s + name, [name](Harness &h) { return h.edit(name); }});
        }
        QStringList dialogs;
        for (const QString &kind : {u"Add"_s, u"EditBot"_s, u"Multiple"_s, u"Open"_s, u"Save"_s}) {
            dialogs << kind + u"|"_s + (kind == u"Multiple"_s ? u"AddMultiple"_s : kind + u"Screen"_s);
            dialogs << kind + u"|Android"_s + (kind == u"EditBot"_s ? u"Edit"_s : kind);
        }
        for (const QString &language : Translations::codes()) {
            for (const auto &[name, opener] : windows)
                QTest::addRow("%s %s", qPrintable(name), qPrintable(language)) << language << name;
            for (const QString &names : dialogs)
                QTest::addRow("%s %s", qPrintable(names.section(u'|', 1)), qPrintable(language)) << language << names;
        }
        m_openers = QHash<QString, Opener>(windows.cbegin(), windows.cend());
        for (const QString &names : dialogs) {
            m_openers.insert(names, [names, ram, android](Harness &h) {
                return h.editorDialog(names.contains(u"Android"_s) ? android : ram, names);
            });
        }
    }

    // Each window in each language: every caption whole, every key of one window its own.
    void everyTextShowsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QString, window);
        const Translations translations(language);
        // The windows say what they miss in a fresh game folder (a server file, a map cycle) and go on; the
        // answerer goes before it could take a modal dialog for a message.
        auto answerer = std::make_unique<MessageAnswerer>();
        Harness h;
        QWidget *shown = m_openers.value(window)(h);
        answerer.reset();
        QVERIFY2(shown && shown->isVisible(), qPrintable(window));
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        Inspection inspection;
        inspection.window(shown);
        QVERIFY2(inspection.problems.isEmpty(), qPrintable(inspection.problems.join(u'\n')));
    }

private:
    QHash<QString, Opener> m_openers;
};

QTEST_MAIN(TestTextsFit)
#include "tst_textsfit.moc"
