#include "ListenServerFile.h"

#include "FolderListing.h"
#include "ProgramVersion.h"
#include "ServerText.h"
#include "TextLines.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>
#include <variant>

using namespace Qt::Literals::StringLiterals;

namespace {

using Field = ListenServerConfig::Field;
using Flag = ListenServerConfig::Flag;
using Setting = std::variant<Field, Flag>;

// Lines 5 to 31, in the order the game's own config files keep them.
const std::array<Setting, 27> fileOrder{
    Flag::Autoaim,        Field::Timelimit,        Field::Roundtime,
    Field::Freezetime,    Field::C4Timer,          Field::HostagePenalty,
    Field::LimitTeams,    Flag::AutoTeamBalance,   Flag::FriendlyFire,
    Flag::AutoKick,       Flag::PunishTeamKillers, Flag::ForceChasecam,
    Flag::FallDamage,     Flag::Footsteps,         Flag::Flashlight,
    Flag::ChasecamOnly,   Flag::ComplexPhysics,    Field::MaxClientSpeed,
    Flag::Cheats,         Flag::Pausable,          Field::MaxShells,
    Field::MaxSmokePuffs, Flag::LogMessages,       Flag::FriendlyGrenadeDamage,
    Field::RestartRound,  Flag::HintMessages,      Flag::MapBriefings,
};

QString pathIn(const QString &gameDir, QLatin1StringView name)
{
    const QString found = FolderListing(gameDir).find(name);
    return found.isEmpty() ? QDir(gameDir).filePath(name) : found;
}

} // namespace

QString ListenServerFile::missingMessage()
{
    return tr("The File 'LISTENSERVER.CFG' Was Not Found. Default Trevlin Settings Were Loaded.");
}

QString ListenServerFile::foreignMessage()
{
    return tr("Your Listenserver File Is Not A Trevlin Config File. Default Trevlin Settings Were Loaded.");
}

QStringList ListenServerFile::lines(const ListenServerConfig &config)
{
    QStringList lines;
    lines.reserve(31);
    lines << QString(header) << u"// Made With Trevlin "_s + programVersion << QString();
    lines << u"hostname \""_s + config.text(Field::ServerName) + u'"';
    for (const Setting &setting : fileOrder) {
        if (const Field *field = std::get_if<Field>(&setting))
            lines << ListenServerConfig::variable(*field) + u' ' + config.text(*field);
        else {
            const Flag flag = std::get<Flag>(setting);
            lines << ListenServerConfig::variable(flag) + (config.isChecked(flag) ? u" 1"_s : u" 0"_s);
        }
    }
    return lines;
}

QString ListenServerFile::refusal(const ListenServerConfig &config, const BoxNames &boxNames)
{
    const auto box = [&boxNames](Field field) {
        return tr("The box \"%1\"").arg(boxNames[int(field)]);
    };
    for (int i = 0; i < ListenServerConfig::fieldCount; ++i) {
        if (QString why = ServerText::unreadable(box(Field(i)), config.text(Field(i))); !why.isEmpty())
            return why;
    }
    // The game ends the name at a second quote, and the server window would not read it back either.
    if (config.text(Field::ServerName).contains(u'"')) {
        return tr("%1 holds a double quote, which the game takes for the end of the name. Please change it and try "
                  "again.")
            .arg(box(Field::ServerName));
    }
    return {};
}

QString ListenServerFile::write(const QString &gameDir, const ListenServerConfig &config, const BoxNames &boxNames)
{
    if (QString why = refusal(config, boxNames); !why.isEmpty())
        return why;
    return ServerText::write(pathIn(gameDir, fileName), lines(config), sizeLimit);
}

ListenServerFile::ReadResult ListenServerFile::read(const QString &gameDir)
{
    const QString found = FolderListing(gameDir).find(fileName);
    if (found.isEmpty())
        return {ReadStatus::Missing, ListenServerConfig::defaults(), missingMessage()};
    const ServerText::ReadResult file = ServerText::read(found, sizeLimit);
    switch (file.status) {
    case ServerText::ReadStatus::Loaded:
        return parse(file.bytes);
    case ServerText::ReadStatus::Missing:
        return {ReadStatus::Missing, ListenServerConfig::defaults(), missingMessage()};
    case ServerText::ReadStatus::Unreadable:
        break;
    }
    return {ReadStatus::Foreign, ListenServerConfig::defaults(), file.message + u"\n\n"_s + foreignMessage()};
}

ListenServerFile::ReadResult ListenServerFile::parse(const QByteArray &bytes)
{
    const QStringList lines = ServerText::lines(bytes);
    if (lines.isEmpty() || lines.first() != header)
        return {ReadStatus::Foreign, ListenServerConfig::defaults(), foreignMessage()};
    ListenServerConfig config;
    // After the header come the version line and an empty line; a file that ends there names nothing.
    for (const QString &record : ServerText::records(lines.mid(3))) {
        const qsizetype space = record.indexOf(u' ');
        // A record without a blank names no value, and is left out.
        if (space < 0)
            continue;
        const QStringView key = QStringView(record).left(space);
        QString value = record.mid(space + 1);
        // The name is written between double quotes, and the game ends it at the second one, whatever follows. A
        // hand-written name may lack them, and keeps its letters up to a quote.
        if (key == u"hostname") {
            qsizetype start = 0;
            while (start < value.size() && value[start] == u' ')
                ++start;
            if (start < value.size() && value[start] == u'"')
                value.remove(0, start + 1);
            if (const qsizetype quote = value.indexOf(u'"'); quote >= 0)
                value.truncate(quote);
        }
        config.assign(key, value);
    }
    return {ReadStatus::Loaded, config, {}};
}

QString ListenServerFile::moveGameConfigAside(const QString &gameDir)
{
    const FolderListing folder(gameDir);
    const QString source = folder.find(u"game.cfg"_s);
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return {};
    const QString found = folder.find(u"game.trb"_s);
    const QString target = found.isEmpty() ? QDir(gameDir).filePath(u"game.trb"_s) : found;
    // One rename replaces the older copy and removes the original at once, so no step can leave one of them lost.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(source.toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (!error)
        return {};
    return tr("Trevlin could not move \"%1\" aside as \"game.trb\": %2. Both files are as they were.")
        .arg(QDir::toNativeSeparators(source), QString::fromLocal8Bit(error.message()));
}
