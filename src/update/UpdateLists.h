#pragma once

#include "BotCatalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The server's versions of the twelve update items, at the indexes of UpdateNames; empty until read.
using ServerVersions = std::array<QString, BotCatalogue::updateNameCount>;

// Where a file of a file list goes: the Half-Life folder or the Counter-Strike (mod) folder.
enum class UpdateRoot { HalfLife, CounterStrike };

// One record of an item's file list, checked: its names are plain names, safe to append to its root.
struct UpdateFile
{
    QString url;          // the full address, inside the item's folder on the server
    QString shortAddress; // the address less the base URL, the item's name and "/"
    UpdateRoot root;
    QStringList folders; // each inside the previous one, below the root
    QString fileName;
    QByteArray sha256; // 32 bytes when the list's unused line carries "sha256:" and 64 hex digits, else empty
};

struct FileList
{
    QList<UpdateFile> files;
    QString error; // when not empty the whole list is refused and this says why, naming the item and the line
};

// The two lists the update server serves, read from their bytes. Neither touches the network or the disk.
namespace UpdateLists {

// The most of each list the program reads: a file list is a few lines per file, Versions.txt twelve pairs; anything
// far larger is not one.
constexpr qint64 maxFileListBytes = 1024 * 1024;
constexpr qint64 maxVersionListBytes = 64 * 1024;

// Versions.txt: pairs of a label line and a version line, at most twelve; an empty label line ends the list.
ServerVersions parseVersions(const QByteArray &bytes);

// An item's file list (its name + ".txt"). baseUrl ends in "/"; itemName is the name without its padding. A third
// line that begins with "sha256" must be "sha256:" and 64 hex digits; with hashRequired every record must carry one.
FileList parseFileList(const QByteArray &bytes, const QString &baseUrl, const QString &itemName,
                       bool hashRequired = false);

// Whether name can stand as one folder or file name on every platform the game runs on; the reason if not.
std::optional<QString> refuseName(const QString &name);

} // namespace UpdateLists
