#include "ScratchMount.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

bool run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

ScratchMount::ScratchMount(Kind kind)
{
#ifdef Q_OS_LINUX
    QString output;
    const QString options = kind == Kind::ReadOnly ? u"size=64k,ro"_s : u"size=64k"_s;
    m_mounted = run(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, options, u"trevlin-test"_s, m_dir.path()}, &output);
    if (!m_mounted)
        m_skipReason = u"needs root: mounts a small tmpfs (mount said: %1)"_s.arg(output.section(u'\n', 0, 0));
#else
    Q_UNUSED(kind);
    m_skipReason = u"needs Linux and root: mounts a small tmpfs"_s;
#endif
}

ScratchMount::~ScratchMount()
{
    if (m_mounted)
        run(u"umount"_s, {u"-l"_s, m_dir.path()});
}

bool ScratchMount::remount(bool readOnly)
{
    return m_mounted && run(u"mount"_s, {u"-o"_s, readOnly ? u"remount,ro"_s : u"remount,rw"_s, m_dir.path()});
}

void ScratchMount::write(const QString &relativePath, const QByteArray &bytes) const
{
    TestFiles::write(m_dir.filePath(relativePath), bytes);
}

void ScratchMount::fill()
{
    QFile filler(m_dir.filePath(u"filler"_s));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(1024, 'x');
    while (filler.write(block) == block.size()) { }
    // The last partial block: one byte at a time until nothing more fits.
    while (filler.write("x", 1) == 1) { }
}
