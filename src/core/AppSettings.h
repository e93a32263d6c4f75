#pragma once

#include <QString>

#include <memory>

class QSettings;

// The per-user settings: sections of text values, "None" meaning that nothing is set. Section and key names are
// matched without regard to letter case, whatever the store underneath does, and keys keep their trailing blanks.
class AppSettings
{
public:
    static inline const QString none = QStringLiteral("None");

    explicit AppSettings(std::unique_ptr<QSettings> store);
    ~AppSettings();
    AppSettings(const AppSettings &) = delete;
    AppSettings &operator=(const AppSettings &) = delete;

    // The platform's standard per-user store of organisation and application "Trevlin"
    // (on Linux $XDG_CONFIG_HOME/Trevlin/Trevlin.conf).
    static std::unique_ptr<QSettings> openUserStore();
    // An INI file at the given path.
    static std::unique_ptr<QSettings> openFile(const QString &path);

    QString get(const QString &section, const QString &key, const QString &defaultValue = none) const;
    // Saves at once; false when the store could not be written.
    bool save(const QString &section, const QString &key, const QString &value);
    // Where the settings lie, in the user's words: a file's path, or the place in the registry.
    QString location() const;

private:
    QString storedSection(const QString &section) const;
    QString storedKey(const QString &storedSection, const QString &key) const;

    std::unique_ptr<QSettings> m_store;
};
