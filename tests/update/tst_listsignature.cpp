#include "ListSignature.h"
#include "Minisign.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray list = "Trevlin\r\n2.0\r\nAndroidBot\r\n1.1\r\n";

QByteArray flipByte(QByteArray bytes, qsizetype at)
{
    bytes[at] = char(bytes[at] ^ 0x01);
    return bytes;
}

// The signature file with one line replaced (or dropped, when replacement is null).
QByteArray withLine(const QByteArray &minisig, int index, const QByteArray &replacement)
{
    QList<QByteArray> lines = minisig.split('\n');
    if (replacement.isNull())
        lines.removeAt(index);
    else
        lines[index] = replacement;
    return lines.join('\n');
}

} // namespace

// Lists signed by the real minisign, and what the program makes of them and of every way they can be spoiled.
class TestListSignature : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (Minisign::program().isEmpty())
            QSKIP("minisign is not installed (./test installs it)");
        QVERIFY(m_dir.isValid());
        m_keys = Minisign::generate(m_dir.path(), u"trusted"_s);
        m_foreign = Minisign::generate(m_dir.path(), u"foreign"_s);
        TestFiles::write(m_dir.filePath(u"Versions.txt"_s), list);
    }

    void verify_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("minisig");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("error");
        QTest::addColumn<qint64>("time"); // -1: any time after the key was made

        const QByteArray hashed = sign({});
        const QByteArray legacy = sign({u"-l"_s});
        const QByteArray dated = sign({u"-t"_s, u"timestamp:1234567890\tfile:Versions.txt"_s});
        const QString key = m_keys.publicKeyLine();
        const QString unchanged = u"The list does not match its signature: it was changed after it was signed."_s;
        const QString damaged = u"The list's signature is damaged: it is not a minisign signature file."_s;

        QTest::newRow("prehashed, as minisign signs by default") << list << hashed << key << QString() << -1ll;
        QTest::newRow("legacy") << list << legacy << key << QString() << -1ll;
        QTest::newRow("the key as its whole file")
            << list << hashed << QString::fromLatin1(TestFiles::read(m_keys.publicKeyFile)) << QString() << -1ll;
        QTest::newRow("a trusted comment of its own") << list << dated << key << QString() << 1234567890ll;
        QTest::newRow("no timestamp in the comment")
            << list << sign({u"-t"_s, u"file:Versions.txt"_s}) << key << QString() << 0ll;
        QTest::newRow("CR LF line ends") << list << QByteArray(hashed).replace("\n", "\r\n") << key << QString()
                                         << -1ll;

        QTest::newRow("one byte of the list") << flipByte(list, 9) << hashed << key << unchanged << 0ll;
        QTest::newRow("one byte of a legacy list") << flipByte(list, 9) << legacy << key << unchanged << 0ll;
        const QByteArray signature = QByteArray::fromBase64(hashed.split('\n')[1]);
        QTest::newRow("one byte of the signature")
            << list << withLine(hashed, 1, flipByte(signature, signature.size() - 1).toBase64()) << key << unchanged
            << 0ll;
        QTest::newRow("legacy and prehashed swapped")
            << list << withLine(hashed, 1, QByteArray(signature).replace(0, 2, "Ed").toBase64()) << key << unchanged
            << 0ll;
        QTest::newRow("a foreign key")
            << list << sign({}, m_foreign) << key
            << u"The list was signed with another key (%1) than the one this program trusts (%2)."_s.arg(
                   keyIdOf(m_foreign), keyIdOf(m_keys))
            << 0ll;
        QTest::newRow("truncated") << list << hashed.left(60) << key << damaged << 0ll;
        QTest::newRow("no second signature") << list << withLine(dated, 3, {}) << key << damaged << 0ll;
        QTest::newRow("no trusted comment")
            << list << withLine(hashed, 2, {}) << key << u"The list's signature has no trusted comment."_s << 0ll;
        QTest::newRow("an altered trusted comment")
            << list << QByteArray(dated).replace("1234567890", "1934567890") << key
            << u"The trusted comment of the list's signature was changed after it was signed."_s << 0ll;
        QTest::newRow("no signature") << list << QByteArray() << key << u"The list has no signature."_s << 0ll;
        QTest::newRow("a web page in its place")
            << list << "<html><body>Not Found</body></html>\n"_ba << key << damaged << 0ll;
        QTest::newRow("far too large") << list << hashed + QByteArray(ListSignature::maxSignatureFileSize, '\n') << key
                                       << damaged << 0ll;
        QTest::newRow("a broken trusted key")
            << list << hashed << key.left(40) << u"The signing key this program trusts is not a minisign public key."_s
            << 0ll;
    }

    void verify()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, minisig);
        QFETCH(QString, key);
        QFETCH(QString, error);
        QFETCH(qint64, time);
        const SignatureCheck check = ListSignature::verify(bytes, minisig, key);
        QCOMPARE(check.error, error);
        QCOMPARE(check.ok, error.isEmpty());
        if (time < 0)
            QVERIFY(check.trustedTime > 1'700'000'000);
        else
            QCOMPARE(check.trustedTime, time);
    }

private:
    QByteArray sign(const QStringList &options, const Minisign::KeyPair &keys = {})
    {
        const Minisign::KeyPair &signer = keys.secretKeyFile.isEmpty() ? m_keys : keys;
        const QString message = m_dir.filePath(u"Versions.txt"_s);
        QString output;
        const int code
            = Minisign::run(QStringList{u"-S"_s, u"-s"_s, signer.secretKeyFile, u"-m"_s, message} + options, &output);
        if (code != 0)
            qWarning("minisign -S failed: %s", qPrintable(output));
        return TestFiles::read(message + u".minisig"_s);
    }

    // The key id as minisign writes it into the comment of the public key file.
    static QString keyIdOf(const Minisign::KeyPair &keys)
    {
        return QString::fromLatin1(TestFiles::read(keys.publicKeyFile).split('\n').first().split(' ').last());
    }

    QTemporaryDir m_dir;
    Minisign::KeyPair m_keys;
    Minisign::KeyPair m_foreign;
};

QTEST_GUILESS_MAIN(TestListSignature)
#include "tst_listsignature.moc"
