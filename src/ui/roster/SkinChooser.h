#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

struct RosterAddOn;
class QAction;
class QComboBox;
class QListWidget;
class QBoxLayout;

// The team box, the skin list and the skin preview that the entry dialogs share: picking a team fills the skin list
// with that team's skins, and the preview shows the picture of the selected skin. For a format without skins it is
// the team box alone.
class SkinChooser : public QObject
{
    Q_OBJECT

public:
    // The preview, the one-button toolbar "Toolbar1", goes into previewLayout below its caption; without skins there
    // is neither. teams are the dialog's teams.
    SkinChooser(const RosterAddOn &addOn, const QStringList &teams, QComboBox *teamBox, QListWidget *skins,
                QBoxLayout *previewLayout, QObject *parent);

    // Empties the team box and puts the dialog's teams in, none of them picked.
    void setTeams();
    // Picks the team at index as the user would, which fills the skin list and selects its first skin.
    void pickTeam(int index);
    // Selects the skin at index, counted from 0; an index outside the list leaves the selection as it is.
    void selectSkin(int index);

    QString team() const;
    // The skins the list holds, in order.
    QStringList skins() const;
    // The selected skin's row, or -1 when no skin is selected.
    int selectedSkinRow() const;
    QString selectedSkin() const;

    // Empties the team box and the skin list.
    void clear();

private:
    void fillSkinList(const QString &team);
    void showPreview();

    const RosterAddOn &m_addOn;
    const QStringList m_teamList;
    QComboBox *m_teams;
    QListWidget *m_skins;
    QAction *m_picture = nullptr;
};
