#include "ListSigner.h"

#include <QCoreApplication>
#include <QList>

#include <sodium.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A secret key file's second line, decoded: the algorithms, the password's key derivation parameters, and then
// the key id, the secret key and a checksum over them.
constexpr qsizetype algorithmsSize = 6;
constexpr qsizetype derivationSize = 32 + 8 + 8;
constexpr qsizetype checksumSize = 32;
constexpr qsizetype keyStart = algorithmsSize + derivationSize;
constexpr qsizetype secretKeyFileSize
    = keyStart + ListSignature::keyIdSize + ListSignature::secretKeySize + checksumSize;

QString translate(const char *text)
{
    return QCoreApplication::translate("ListSigner", text);
}

const unsigned char *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const unsigned char *>(data.constData());
}

QByteArray signatureOf(const QByteArray &message, const unsigned char *secret)
{
    QByteArray signature(ListSignature::signatureSize, Qt::Uninitialized);
    crypto_sign_detached(reinterpret_cast<unsigned char *>(signature.data()), nullptr, bytesOf(message), message.size(),
                         secret);
    return signature;
}

} // namespace

ListSigner::~ListSigner()
{
    sodium_memzero(m_secret.data(), m_secret.size());
}

std::optional<ListSigner> ListSigner::fromKeyFile(const QByteArray &bytes, QString *error)
{
    const auto refuse = [error](const QString &why) {
        *error = why;
        return std::nullopt;
    };
    if (sodium_init() < 0)
        return refuse(translate("The cryptography library did not start."));
    const QList<QByteArray> lines = bytes.trimmed().split('\n');
    if (bytes.size() > 4096 || lines.size() != 2 || !lines[0].startsWith("untrusted comment:"))
        return refuse(translate("This is not a minisign secret key file."));
    QByteArray key
        = QByteArray::fromBase64Encoding(lines[1].trimmed(), QByteArray::AbortOnBase64DecodingErrors).decoded;
    const auto wipe = qScopeGuard([&key] { sodium_memzero(key.data(), size_t(key.size())); });
    if (key.size() != secretKeyFileSize || !key.startsWith("Ed"))
        return refuse(translate("This is not a minisign secret key file."));
    if (key.mid(2, 2) != QByteArray(2, '\0'))
        return refuse(translate("This secret key is protected by a password. Only keys made without one can be "
                                "used here: make one with \"minisign -G -W\", or remove the password with "
                                "\"minisign -C -W\"."));
    if (key.mid(4, 2) != "B2")
        return refuse(translate("This is not a minisign secret key file."));

    ListSigner signer;
    std::copy_n(bytesOf(key) + keyStart, signer.m_id.size(), signer.m_id.begin());
    std::copy_n(bytesOf(key) + keyStart + signer.m_id.size(), signer.m_secret.size(), signer.m_secret.begin());
    // minisign leaves the checksum empty in a key it made without a password; where there is one, it must hold.
    const QByteArray checksum = key.right(checksumSize);
    if (checksum != QByteArray(checksumSize, '\0')) {
        QByteArray covered = key.left(2) + key.mid(keyStart, signer.m_id.size() + signer.m_secret.size());
        QByteArray expected(checksumSize, Qt::Uninitialized);
        crypto_generichash(reinterpret_cast<unsigned char *>(expected.data()), expected.size(), bytesOf(covered),
                           covered.size(), nullptr, 0);
        sodium_memzero(covered.data(), size_t(covered.size()));
        if (expected != checksum)
            return refuse(translate("This secret key is damaged: its checksum does not match."));
    }
    // The second half of the secret key is its public key; it must be the one the first half makes.
    std::array<unsigned char, crypto_sign_PUBLICKEYBYTES> derived{};
    std::array<unsigned char, crypto_sign_SECRETKEYBYTES> scratch{};
    crypto_sign_seed_keypair(derived.data(), scratch.data(), signer.m_secret.data());
    sodium_memzero(scratch.data(), scratch.size());
    if (!std::equal(derived.cbegin(), derived.cend(), signer.m_secret.cbegin() + crypto_sign_SEEDBYTES))
        return refuse(translate("This secret key is damaged: its two halves do not belong together."));
    return signer;
}

ListSignature::PublicKey ListSigner::publicKey() const
{
    ListSignature::PublicKey key;
    key.id = m_id;
    std::copy_n(m_secret.cbegin() + crypto_sign_SEEDBYTES, key.key.size(), key.key.begin());
    return key;
}

QString ListSigner::publicKeyText() const
{
    const ListSignature::PublicKey key = publicKey();
    QByteArray bytes = "Ed";
    bytes.append(reinterpret_cast<const char *>(key.id.data()), key.id.size());
    bytes.append(reinterpret_cast<const char *>(key.key.data()), key.key.size());
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray ListSigner::sign(const QByteArray &data, const QString &fileName, qint64 timestamp) const
{
    const QByteArray signature = signatureOf(ListSignature::prehash(data), m_secret.data());
    // A tab or a line break in the name would end the comment's field or the comment itself.
    QString name = fileName;
    name.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    const QByteArray comment = "timestamp:" + QByteArray::number(timestamp) + "\tfile:" + name.toUtf8() + "\thashed";
    const QByteArray global = signatureOf(signature + comment, m_secret.data());
    QByteArray line = "ED";
    line.append(reinterpret_cast<const char *>(m_id.data()), m_id.size());
    line += signature;
    return "untrusted comment: signature from trevlin-publish secret key\n" + line.toBase64()
        + "\ntrusted comment: " + comment + '\n' + global.toBase64() + '\n';
}
