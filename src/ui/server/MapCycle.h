#pragma once

#include "WaypointCheck.h"

#include <QDialog>

#include <memory>

class MapNamesModel;
class RandomSource;
class Session;

namespace Ui {
class MapCycle;
}

// The map rotation: the map files of the game's "maps" folder beside the cycle in "mapcycle.txt". Each opening
// reads the file afresh, with the waypoints of the add-on named then; Done writes it into the game folder of the
// moment and closes, Cancel closes without writing.
class MapCycle : public QDialog
{
    Q_OBJECT

public:
    MapCycle(const Session &session, RandomSource &random, QWidget *parent = nullptr);
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
    const Session &m_session;
    RandomSource &m_random;
    WaypointCheck m_check;
    MapNamesModel *m_files = nullptr;
    MapNamesModel *m_cycle = nullptr;
    QStringList m_read; // the cycle as read
};
