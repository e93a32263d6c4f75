#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <initializer_list>

// The files of one folder picked by the end of their names, as the map and waypoint lists take them. A maps folder
// can hold tens of thousands of files: the folder is read once, and on Unix without a file-info record or a look-up
// for every entry, only for the few whose type the folder itself does not tell.
class FolderFiles
{
public:
    // Hands take() every entry of folder that is not a folder (hidden files, links to files and special files
    // included, as QDir::Files | QDir::Hidden | QDir::System lists them) whose name is longer than one of suffixes
    // and ends in it in any letter case, with the index of the first such suffix. An empty suffix picks nothing; a
    // missing folder hands nothing.
    static void walk(const QString &folder, std::initializer_list<QStringView> suffixes,
                     const std::function<void(qsizetype suffix, QString name)> &take);

    // Orders names without regard to letter case (case-folded), names that differ only in case by their exact
    // spelling.
    static void sortCaseBlind(QStringList &names);
};
