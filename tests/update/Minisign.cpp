#include "Minisign.h"

#include "TestFiles.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

QString Minisign::program()
{
    return QStandardPaths::findExecutable(u"minisign"_s);
}

int Minisign::run(const QStringList &arguments, QString *output)
{
    QProcess minisign;
    minisign.setProcessChannelMode(QProcess::MergedChannels);
    minisign.start(program(), arguments);
    minisign.closeWriteChannel(); // it must never wait for a password
    if (!minisign.waitForFinished(30'000)) {
        minisign.kill();
        minisign.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(minisign.readAll());
    return minisign.exitStatus() == QProcess::NormalExit ? minisign.exitCode() : -1;
}

QString Minisign::KeyPair::publicKeyLine() const
{
    const QList<QByteArray> lines = TestFiles::read(publicKeyFile).split('\n');
    return lines.size() > 1 ? QString::fromLatin1(lines[1].trimmed()) : QString();
}

Minisign::KeyPair Minisign::generate(const QString &folder, const QString &name)
{
    const KeyPair keys{folder + u'/' + name + u".pub"_s, folder + u'/' + name + u".key"_s};
    QString output;
    if (run({u"-G"_s, u"-W"_s, u"-p"_s, keys.publicKeyFile, u"-s"_s, keys.secretKeyFile}, &output) != 0)
        QTest::qFail(qPrintable(u"minisign -G failed: "_s + output), __FILE__, __LINE__);
    return keys;
}
