#pragma once

#include <QByteArray>
#include <QString>

// Writing and reading whole files in tests.
namespace TestFiles {

// Writes bytes to path, creating the folders on the way; a failure fails the running test.
void write(const QString &path, const QByteArray &bytes);
// The file's bytes, or "<unreadable>", which no test writes, when it cannot be read.
QByteArray read(const QString &path);

} // namespace TestFiles
