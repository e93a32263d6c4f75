#pragma once

#include "WaypointCheck.h"

#include <QDialog>

#include <memory>

struct AppState;
class MapNamesModel;
class RandomSource;

namespace Ui {
class MapCycle;
}

// The map rotation: the map files of the game's "maps" folder beside the cycle in "mapcycle.txt". Each opening
// reads the file afresh; Done writes it and closes, Cancel closes without writing.
class MapCycle : public QDialog
{
    Q_OBJECT

public:
    MapCycle(const AppState &state, RandomSource &random, QWidget *parent = nullptr);
    ~MapCycle() override;

    QStringList cycle() const;

public Q_SLOTS:
    void accept() override;
    // Escape and the close box: asks first when the cycle has changed since it was read.
    void reject() override;
    // Cancel: closes the window, writing nothing.
    void discard();

private:
    void addSelected();
    void removeSelected();
    void fillAtRandom();

    std::unique_ptr<Ui::MapCycle> m_ui;
    QString m_gameDir;
    RandomSource &m_random;
    WaypointCheck m_check;
    MapNamesModel *m_files = nullptr;
    MapNamesModel *m_cycle = nullptr;
    QStringList m_read; // the cycle as read
};
