#include "AddOnControls.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// How the window shows one choice. The captions stand as they always have, "Edit NNbot Bots" with its small b and
// "Update RamBot " with its trailing blank included.
struct Row
{
    BotType type;
    QLatin1StringView optionButton = {};
    QLatin1StringView editButton = {};
    const char *editCaption = nullptr;
    QLatin1StringView editMenuEntry = {};
    const char *editMenuCaption = nullptr; // the edit button's caption, unless it differs
    QLatin1StringView updateMenuEntry = {};
    const char *updateMenuCaption = nullptr;
    const char *editorCaption = nullptr;
    const char *editStatusText = nullptr;
};

// One choice a block, in the order of the option buttons, every fact named, so that two neighbouring texts cannot
// trade places unnoticed.
constexpr std::array<Row, 12> rows{{
    {
        .type = BotType::AndroidBot,
        .optionButton = "Option1"_L1,
        .editButton = "Command1"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit Android Bots"),
        .editMenuEntry = "andbots"_L1,
        .updateMenuEntry = "updAndroidbot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update AndroidBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "Android Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your Android Bots"),
    },
    {
        .type = BotType::RamBot,
        .optionButton = "Option2"_L1,
        .editButton = "Command2"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit RamBot Bots"),
        .editMenuEntry = "rambots"_L1,
        .updateMenuEntry = "updRambot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update RamBot "),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "RamBot Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your RamBot Bots"),
    },
    {
        .type = BotType::RealBot,
        .optionButton = "Option3"_L1,
        .editButton = "Command5"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit RealBot Bots"),
        .editMenuEntry = "realbots"_L1,
        .updateMenuEntry = "updRealBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update RealBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "RealBot Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your RealBot Bots"),
    },
    {
        .type = BotType::NNBot,
        .optionButton = "Option4"_L1,
        .editButton = "Command6"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit NNBot Bots"),
        .editMenuEntry = "nnbots"_L1,
        .editMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit NNbot Bots"),
        .updateMenuEntry = "updNNBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update NNBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "NNBot Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your NNBot Bots"),
    },
    {
        .type = BotType::HPBBot,
        .optionButton = "Option5"_L1,
        .editButton = "Command7"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit HPBBot Bots"),
        .editMenuEntry = "hpbbots"_L1,
        .editMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit HPB Bots"),
        .updateMenuEntry = "updHPBBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update HPBBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "HPB Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your HPBBot Bots"),
    },
    {
        .type = BotType::SwatBot,
        .optionButton = "Option6"_L1,
        .editButton = "Command8"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit SwatBot Bots"),
        .editMenuEntry = "swatbots"_L1,
        .updateMenuEntry = "updSwatBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update SwatBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "Swat Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your SwatBot Bots"),
    },
    {
        .type = BotType::OriginalCS,
        .optionButton = "Option7"_L1,
    },
    {
        .type = BotType::PodBot,
        .optionButton = "Option8"_L1,
        .editButton = "Command10"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit PodBot Bots"),
        .editMenuEntry = "Podbot"_L1,
        .updateMenuEntry = "updPodBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update PodBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "PodBot Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your PodBot Bots"),
    },
    {
        .type = BotType::AGBBot,
        .optionButton = "Option9"_L1,
        .editButton = "Command11"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit AGBBot Bots"),
        .editMenuEntry = "agbbots"_L1,
        .updateMenuEntry = "updAGBBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update AGBBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "AGB Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your AGBBot Bots"),
    },
    {
        .type = BotType::PLBot,
        .optionButton = "Option10"_L1,
        .editButton = "Command12"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit PLBot Bots"),
        .editMenuEntry = "plbot"_L1,
        .updateMenuEntry = "updPLBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update PLBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "PL Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your PLBot Bots"),
    },
    {
        .type = BotType::ReduBot,
        .optionButton = "Option11"_L1,
        .editButton = "Command13"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit ReduBot Bots"),
        .editMenuEntry = "redubot"_L1,
        .updateMenuEntry = "updReduBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update ReduBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "Redu Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your ReduBot Bots"),
    },
    {
        .type = BotType::BobaBot,
        .optionButton = "Option12"_L1,
        .editButton = "Command14"_L1,
        .editCaption = QT_TRANSLATE_NOOP("AddOnControls", "Edit BobaBot Bots"),
        .editMenuEntry = "bobabots"_L1,
        .updateMenuEntry = "updBobaBot"_L1,
        .updateMenuCaption = QT_TRANSLATE_NOOP("AddOnControls", "Update BobaBot"),
        .editorCaption = QT_TRANSLATE_NOOP("AddOnControls", "Boba Bots"),
        .editStatusText = QT_TRANSLATE_NOOP("AddOnControls", "Here You Can Edit Your BobaBot Bots"),
    },
}};

static_assert(inBotTypeOrder(rows), "the rows are in the order of BotType");

QAction *entry(QWidget *window, QLatin1StringView name, const QString &caption)
{
    auto *action = new QAction(caption, window);
    action->setObjectName(name);
    action->setEnabled(false);
    return action;
}

// Made after the rest of the form, the buttons would come last on Tab: they take their frame's place instead, as
// if the form held them. Qt puts a widget in the tab order only after one that takes the focus, which the frame
// does for that moment.
void takeFramesPlace(QWidget *frame, const QWidgetList &made)
{
    const Qt::FocusPolicy policy = frame->focusPolicy();
    frame->setFocusPolicy(Qt::TabFocus);
    QWidget *previous = frame;
    for (QWidget *widget : made) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    frame->setFocusPolicy(policy);
}

} // namespace

AddOnControls::AddOnControls(QWidget *window, QGridLayout *grid, QMenu *editMenu, QAction *before, QMenu *updateMenu)
{
    QWidget *frame = grid->parentWidget();
    QWidgetList made;
    for (const Row &row : rows) {
        Controls &controls = m_controls[static_cast<std::size_t>(row.type)];
        const int line = int(row.type);
        // The caption is the name the game and the settings know the choice by, the same in every language.
        controls.option = new QRadioButton(QString(BotCatalogue::info(row.type).botName), frame);
        controls.option->setObjectName(row.optionButton);
        controls.option->setEnabled(false);
        grid->addWidget(controls.option, line, 0);
        made.append(controls.option);
        if (row.editButton.isEmpty())
            continue;
        controls.edit = new QPushButton(tr(row.editCaption), frame);
        controls.edit->setObjectName(row.editButton);
        controls.edit->setEnabled(false);
        controls.edit->setAutoDefault(false);
        grid->addWidget(controls.edit, line, 1);
        made.append(controls.edit);
        controls.editEntry
            = entry(window, row.editMenuEntry, tr(row.editMenuCaption ? row.editMenuCaption : row.editCaption));
        editMenu->insertAction(before, controls.editEntry);
        controls.updateEntry = entry(window, row.updateMenuEntry, tr(row.updateMenuCaption));
        updateMenu->addAction(controls.updateEntry);
        controls.editorCaption = tr(row.editorCaption);
        controls.editStatusText = tr(row.editStatusText);
    }
    takeFramesPlace(frame, made);
}

std::optional<BotType> AddOnControls::addOnOf(const QObject *control) const
{
    for (const Controls &controls : m_controls) {
        if (control && controls.edit && (control == controls.option || control == controls.edit))
            return BotType(&controls - m_controls.data());
    }
    return std::nullopt;
}
