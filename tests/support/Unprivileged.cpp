#include "Unprivileged.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

bool Unprivileged::ranAsNobody()
{
    if (::geteuid() != 0)
        return false;
    const QString setpriv = QStandardPaths::findExecutable(u"setpriv"_s);
    if (setpriv.isEmpty()) {
        QTest::qSkip("Runs as root, which ignores permissions, and setpriv is missing to run it as nobody", __FILE__,
                     __LINE__);
        return true;
    }
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (const char *tag = QTest::currentDataTag())
        function += u':' + QString::fromLatin1(tag);
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv,
                {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s,
                 QCoreApplication::applicationFilePath(), function});
    const bool finished = child.waitForFinished(60000);
    const QByteArray output = child.readAll();
    // A child that could not even start the program (a build folder nobody may enter) is a skip, not a failure.
    if (output.contains("Permission denied") && !output.contains("Totals:")) {
        QTest::qSkip("Runs as root, and nobody may not run the test program from its build folder", __FILE__, __LINE__);
        return true;
    }
    if (!finished || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(("As nobody:\n" + output).constData(), __FILE__, __LINE__);
    else if (output.contains("SKIP   :"))
        QTest::qSkip(("As nobody:\n" + output).constData(), __FILE__, __LINE__);
    return true;
}
