#pragma once

#include "OptionPanel.h"

#include <memory>

namespace Ui {
class AndroidPanel;
}

// The lists, buttons and option frames of the AndroidBot format's editor, AndroidMain: the bots in three columns,
// and beside them the buttons and the options, PodBot's own in a frame shown to PodBot alone.
class AndroidPanel : public OptionPanel
{
    Q_OBJECT

public:
    AndroidPanel(RosterDocument &document, QWidget *parent);
    ~AndroidPanel() override;

private:
    std::unique_ptr<Ui::AndroidPanel> m_ui;
};
