#pragma once

#include "RosterOptions.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class RosterDocument;
class UpDown;

// The part of the roster editor that differs in layout between formats: the lists of the roster's columns, the
// editor's buttons and the option frames, laid out as the format's own window always had them. The editor places
// the panel of its document's format and works the lists and buttons; the panel binds its option controls to the
// document's options, both ways, with the rules of the options deciding what is enabled.
class OptionPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Button { Add, Edit, Delete, Several, Done };

    // The panel of document's format; a further format adds its panel to the table in here.
    static OptionPanel *create(RosterDocument &document, QWidget *parent);

    // One list a column of the document's model, in its order.
    QList<QListView *> lists() const { return m_lists; }
    QPushButton *button(Button button) const { return m_buttons.at(int(button)); }
    // The add-on's own option rows, shown by the main window's edit buttons: without it the panel shows only the
    // options every add-on of the format has. withValues also puts the add-on's start values in.
    virtual void applyLayout(bool withValues);

protected:
    using Field = RosterOptions::Field;
    using Option = RosterOptions::Option;

    explicit OptionPanel(RosterDocument &document, QWidget *parent);

    // The lists of the columns, and the buttons in the order of Button.
    void setControls(const QList<QListView *> &lists, const QList<QPushButton *> &buttons);

    // A text box with its caption and spinner, or a check box with its caption: each is named after its caption
    // and follows its option. Call showOptions() once all are bound.
    void bind(RosterOptions::Field field, QLabel *label, QLineEdit *text, UpDown *spinner);
    void bind(RosterOptions::Option option, QLabel *label, QCheckBox *box);
    void showOptions();

    RosterDocument &m_document;

private:
    struct FieldControls
    {
        RosterOptions::Field field;
        QLabel *label;
        QLineEdit *text;
        UpDown *spinner;
    };
    struct OptionControls
    {
        RosterOptions::Option option;
        QLabel *label;
        QCheckBox *box;
    };

    RosterOptions &m_options;
    QList<QListView *> m_lists;
    QList<QPushButton *> m_buttons;
    QList<FieldControls> m_fields;
    QList<OptionControls> m_boxes;
};
