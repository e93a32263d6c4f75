#pragma once

#include "BotCatalogue.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>

class QComboBox;
class Session;

namespace Ui {
class SetUpAddOn;
}

// Makes an add-on playable from its files in the game folder: the player chooses the add-on and its game library
// for the Windows game, the Linux game or both, among those found in the folder or through Browse (limited to the
// folder), and Set Up writes the add-on's prepared liblist.gam, asking first before it replaces one.
class SetUpAddOn : public QDialog
{
    Q_OBJECT

public:
    // addOn, when given, is the add-on chosen at first; preselected are libraries to choose at first (absolute, or
    // relative to the game folder), such as those an add-on's archive has just put there.
    SetUpAddOn(Session &session, std::optional<BotType> addOn = std::nullopt, const QStringList &preselected = {},
               QWidget *parent = nullptr);
    ~SetUpAddOn() override;

    void chooseAddOn(BotType type);
    // Chooses the library at path (absolute, or relative to the game folder) in the list of its kind; false, with
    // errorString saying why, when it lies outside the game folder or is no game library.
    bool chooseLibrary(const QString &path, QString *errorString = nullptr);

Q_SIGNALS:
    // botName's prepared liblist.gam is written; the dialog closes itself right after.
    void addOnSetUp(BotType type);

private:
    void browse(QComboBox *box);
    void chooseNamedLibraries();
    void showNote();
    void accept() override;

    std::unique_ptr<Ui::SetUpAddOn> m_ui;
    Session &m_session;
    QString m_gameDir; // the folder the libraries were found in
};
