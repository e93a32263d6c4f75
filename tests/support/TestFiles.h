#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writing and reading whole files in tests.
namespace TestFiles {

// Writes bytes to path, creating the folders on the way; a failure fails the running test.
void write(const QString &path, const QByteArray &bytes);
// The file's bytes, or "<unreadable>", which no test writes, when it cannot be read.
QByteArray read(const QString &path);
// Every name below folder with its link target or the hash of its bytes, sorted: equal listings show that nothing
// below the folder changed.
QStringList listing(const QString &folder);
// A roster file as the RamBot, NNBot, HPBBot and BobaBot editors save it with every option at its start, holding
// the given bot lines.
QByteArray roster(const QString &botName, const QByteArray &bots = "addbot 1 1 Alpha 3\r\n");

} // namespace TestFiles
