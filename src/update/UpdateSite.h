#pragma once

#include "UpdateLists.h"

#include <QList>
#include <QString>

#include <optional>

class ListSigner;

// An update site as a static folder that any web server can serve, made from a source folder laid out as
// <Item>/<version>/<root keyword>/<folders…>/<file>: Versions.txt, each item's file list with the hash of every
// file, the files themselves under <Item>/<version>/, and a minisign signature beside each list. Hidden files of the
// source are left out.
namespace UpdateSite {

struct SourceFile
{
    QString path; // where the file lies in the source folder
    UpdateFile file;
};

struct SourceItem
{
    int index = 0; // in UpdateNames
    QString name;
    QString version;
    QList<SourceFile> files; // in the order of their paths; their hashes are still empty
};

struct Source
{
    QList<SourceItem> items; // in the order of UpdateNames
    QString error;           // when not empty, nothing can be published and this says why
};

// Reads the source folder's layout, checking every name as the program will when it reads the lists.
Source readSource(const QString &folder, const QString &baseUrl);

struct Published
{
    int items = 0;
    int files = 0;
    QString error; // when not empty, the output folder is left as it was found (absent or empty)
};

// Publishes the source folder into output, which must be absent or empty, signing the lists as of timestamp.
Published publish(const QString &sourceFolder, const QString &baseUrl, const ListSigner &signer, const QString &output,
                  qint64 timestamp);

} // namespace UpdateSite
