#include "OptionPanel.h"

#include "AddBotPanel.h"
#include "AndroidPanel.h"
#include "CaptionClick.h"
#include "RosterDocument.h"
#include "RosterFormat.h"
#include "UpDown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace {

QString withoutColon(const QString &caption)
{
    return caption.endsWith(u':') ? caption.chopped(1) : caption;
}

template<typename Panel> OptionPanel *make(RosterDocument &document, QWidget *parent)
{
    return new Panel(document, parent);
}

// Each format's panel, by the object name of the format's editor.
struct PanelOf
{
    QLatin1StringView editor;
    OptionPanel *(*create)(RosterDocument &, QWidget *);
};

const PanelOf panels[] = {
    {QLatin1StringView("EditScreen"), &make<AddBotPanel>},
    {QLatin1StringView("AndroidMain"), &make<AndroidPanel>},
};

} // namespace

OptionPanel *OptionPanel::create(RosterDocument &document, QWidget *parent)
{
    for (const PanelOf &panel : panels) {
        if (panel.editor == document.format().names.editor)
            return panel.create(document, parent);
    }
    return nullptr;
}

OptionPanel::OptionPanel(RosterDocument &document, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_options(document.options())
{
    connect(&m_options, &RosterOptions::changed, this, &OptionPanel::showOptions);
}

void OptionPanel::applyLayout(bool) { }

void OptionPanel::setControls(const QList<QListView *> &lists, const QList<QPushButton *> &buttons)
{
    m_lists = lists;
    m_buttons = buttons;
}

void OptionPanel::bind(RosterOptions::Field field, QLabel *label, QLineEdit *text, UpDown *spinner)
{
    const RosterOptions::Range range = m_options.spinnerRange(field);
    spinner->setRange(range.minimum, range.maximum);
    const QString name = withoutColon(label->text());
    text->setAccessibleName(name);
    spinner->setAccessibleName(name);
    spinner->setBuddy(text);
    connect(text, &QLineEdit::textEdited, this,
            [this, field](const QString &typed) { m_options.setText(field, typed); });
    connect(spinner, &UpDown::stepRequested, this, [this, field, text, spinner](int delta) {
        m_options.setText(field, spinner->stepped(text->text(), delta));
    });
    m_fields.append({field, label, text, spinner});
}

void OptionPanel::bind(RosterOptions::Option option, QLabel *label, QCheckBox *box)
{
    box->setAccessibleName(withoutColon(label->text()));
    CaptionClick::attach(label, box);
    connect(box, &QCheckBox::clicked, this, [this, option](bool checked) { m_options.setChecked(option, checked); });
    m_boxes.append({option, label, box});
}

void OptionPanel::showOptions()
{
    for (const FieldControls &controls : std::as_const(m_fields)) {
        const QString text = m_options.text(controls.field);
        // Only a change made elsewhere is written back, so the cursor stays where the user types.
        if (controls.text->text() != text)
            controls.text->setText(text);
        const bool enabled = m_options.isEnabled(controls.field);
        for (QWidget *control : std::initializer_list<QWidget *>{controls.label, controls.text, controls.spinner})
            control->setEnabled(enabled);
    }
    for (const OptionControls &controls : std::as_const(m_boxes)) {
        controls.box->setChecked(m_options.isChecked(controls.option));
        const bool enabled = m_options.isEnabled(controls.option);
        controls.label->setEnabled(enabled);
        controls.box->setEnabled(enabled);
    }
}
