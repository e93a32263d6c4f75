#pragma once

#include <QDialog>

#include <memory>

class AndroidDocument;
class RandomSource;

namespace Ui {
class AndroidMultiple;
}

// Adds several AndroidBot or PodBot bots at once, their names drawn from the name list in the game folder, all
// different within one Done; the skill is given or drawn from 1 to 100 for each bot, the team given or, with "Auto
// Select", drawn between the two sides.
class AndroidMultiple : public QDialog
{
    Q_OBJECT

public:
    AndroidMultiple(const QString &gameDir, AndroidDocument &document, RandomSource &random, QWidget *parent = nullptr);
    ~AndroidMultiple() override;

private:
    void addBots();

    std::unique_ptr<Ui::AndroidMultiple> m_ui;
    QString m_gameDir;
    AndroidDocument &m_document;
    RandomSource &m_random;
};
