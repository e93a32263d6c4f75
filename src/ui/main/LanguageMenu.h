#pragma once

#include <QMenu>

class AppSettings;

// File > Language: the languages of the program's texts, each written in itself, with the one of this run
// checked. A choice is remembered for the next start.
class LanguageMenu : public QMenu
{
    Q_OBJECT

public:
    LanguageMenu(AppSettings &settings, QWidget *parent);

private:
    void choose(const QString &code);

    AppSettings &m_settings;
};
