#pragma once

#include "OptionPanel.h"

#include <memory>

namespace Ui {
class AddBotPanel;
}

// The lists, buttons and option frames of the "addbot" format's editor, EditScreen: the bots in four columns with
// Delete, Add and Done below them, and the options in four frames beside them, of which only the rows every add-on
// has are shown until the add-on's own layout is applied.
class AddBotPanel : public OptionPanel
{
    Q_OBJECT

public:
    AddBotPanel(RosterDocument &document, QWidget *parent);
    ~AddBotPanel() override;

    void applyLayout(bool withValues) override;

private:
    std::unique_ptr<Ui::AddBotPanel> m_ui;
};
