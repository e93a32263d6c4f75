#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AndroidAdd;
struct AndroidAddOn;
class AndroidDocument;
class AndroidEdit;
class AndroidMultiple;
class Session;
class ColumnLists;
class EditorSession;
class RandomSource;

namespace Ui {
class AndroidMain;
}

// The roster editor of AndroidBot and PodBot: the bots as three columns of one list, the options (PodBot's own in a
// frame of their own), and the File menu that starts afresh, opens and saves roster files. It owns its roster while
// it is open and discards it when it closes, never without asking while it holds unsaved bots.
class AndroidMain : public QMainWindow
{
    Q_OBJECT

public:
    // Opens for addOn and keeps to it for as long as it is open.
    AndroidMain(Session &session, const AndroidAddOn &addOn, RandomSource &random, QWidget *parent = nullptr);
    ~AndroidMain() override;

    QString botName() const;
    AndroidDocument &document() { return *m_document; }
    // The row selected in every column, or -1.
    int selectedRow() const;
    // What the File menu's Open and Save work through.
    EditorSession &session() { return *m_session; }

    // "&Done", and what ending the program asks of an open editor: with unsaved bots, asks whether to save them
    // first. True when the editor has closed; false when it stays open, with the save dialog in front (Yes) or as
    // it was (Cancel).
    bool finish();

protected:
    // The close box asks as "&Done" does.
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpOptions();
    void showOptions();
    void startAfresh();
    void deleteBot();
    // The File menu's Save, or (asked) the save that a question offered.
    void showAndroidAdd();
    void showAndroidEdit();
    void showAndroidMultiple();

    std::unique_ptr<Ui::AndroidMain> m_ui;
    Session &m_appSession;
    RandomSource &m_random;
    AndroidDocument *m_document;
    EditorSession *m_session;
    ColumnLists *m_lists = nullptr;
    QPointer<AndroidAdd> m_androidAdd;
    QPointer<AndroidEdit> m_androidEdit;
    QPointer<AndroidMultiple> m_androidMultiple;
};
