#pragma once

#include <QString>
#include <QStringList>

// Debian's minisign, run by the tests as the real counterpart of the program's own signatures.
namespace Minisign {

// Where minisign is installed, or empty when it is not.
QString program();
// Runs minisign with arguments; returns its exit code, and its output and error text in output when given.
int run(const QStringList &arguments, QString *output = nullptr);

// A key pair made with "minisign -G -W" (no password) in folder: folder/name.pub and folder/name.key.
struct KeyPair
{
    QString publicKeyFile;
    QString secretKeyFile;
    QString publicKeyLine() const; // the base64 line, as the program is configured with
};
KeyPair generate(const QString &folder, const QString &name);

} // namespace Minisign
