#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QSettings;
class QTemporaryDir;

// The per-user settings: sections of text values, "None" meaning that nothing is set. Section and key names are
// matched without regard to letter case, whatever the store underneath does, and keys keep their trailing blanks.
class AppSettings
{
    Q_DECLARE_TR_FUNCTIONS(AppSettings)

public:
    static inline const QString none = QStringLiteral("None");

    // A settings file is read once and written whole through an atomic save at each save. One that the store finds
    // damaged is kept aside as a backup, and the settings go on with what could be read from it.
    explicit AppSettings(std::unique_ptr<QSettings> store);
    ~AppSettings();
    AppSettings(const AppSettings &) = delete;
    AppSettings &operator=(const AppSettings &) = delete;

    // The platform's standard per-user store of organisation and application "Trevlin"
    // (on Linux $XDG_CONFIG_HOME/Trevlin/Trevlin.conf).
    static std::unique_ptr<QSettings> openUserStore();
    // An INI file at the given path.
    static std::unique_ptr<QSettings> openFile(const QString &path);

    // Every value the program keeps. A single value has one key; a value of a family is kept for each member (each
    // add-on, each update item, each window) under the member's name.
    enum class Key {
        GameDir,       // the mod folder chosen last
        HalfLifeDir,   // the folder above it, as it was when chosen
        StartDirectly, // "1": Steam's copy of the game is started without Steam's client; else through it
        Language,      // the language of the texts chosen under File, "None" to follow the desktop's
    };
    enum class Family {
        AutostartFile,    // per add-on: the roster file it runs at start, "None" for none
        InstalledVersion, // per update item: the version installed through the update window, "N/A" before
        UpdateDate,       // per update item: the day of that update, "N/A" before
        WindowPlace,      // per window: where it was last, as Qt saves a window's geometry; empty before
        AcceptedListTime, // per signed update list: the time its newest copy taken was signed at, "0" before
    };
    QString value(Key key) const;
    QString value(Family family, const QString &member) const;
    // Save at once; false when the file could not be written, and then the file is as it was while the value still
    // holds for the rest of this run.
    bool setValue(Key key, const QString &value);
    bool setValue(Family family, const QString &member, const QString &value);
    // What a value of family is before anything is saved for it.
    static QString defaultValue(Family family);

    // Any value by section and key, as a settings file written by hand may hold it.
    QString get(const QString &section, const QString &key, const QString &defaultValue = none) const;
    // Saves at once, as setValue() does.
    bool save(const QString &section, const QString &key, const QString &value);
    // Where the settings lie, in the user's words: a file's path, or the place in the registry.
    QString location() const;
    // Once after a damaged settings file was set aside: where the backup lies. Empty otherwise.
    QString takeNotice();

private:
    QString storedPath(const QString &section, const QString &key) const;

    void takeFileOver();
    void setDamagedFileAside();
    bool commit();

    std::unique_ptr<QTemporaryDir> m_scratch; // holds the copy the store works on; outlives the store
    std::unique_ptr<QSettings> m_store;
    QString m_path;          // the settings file; empty for a store that is no file
    bool m_readOnly = false; // the file could not be read, so it is never replaced
    std::function<QString()> m_notice;
};
