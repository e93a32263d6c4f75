#pragma once

#include <QDialog>

#include <memory>

class AndroidDocument;

namespace Ui {
class AndroidAdd;
}

// Adds one bot to an AndroidBot or PodBot roster: a name, a skill from 0 to 100 and a team, which may also be
// typed. It refuses what the roster could not take and stays open with what was typed.
class AndroidAdd : public QDialog
{
    Q_OBJECT

public:
    AndroidAdd(AndroidDocument &document, QWidget *parent = nullptr);
    ~AndroidAdd() override;

Q_SIGNALS:
    void botAdded();

private:
    void addBot();

    std::unique_ptr<Ui::AndroidAdd> m_ui;
    AndroidDocument &m_document;
};
