#pragma once

#include "ListSignature.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Signs files as minisign does, in its prehashed form ("ED"), with a secret key that minisign made: what the
// publisher of an update site signs its lists with. Only keys kept without a password ("minisign -G -W") can be read.
class ListSigner
{
public:
    ListSigner(const ListSigner &other) = default;
    ListSigner &operator=(const ListSigner &other) = default;
    ~ListSigner();

    // Reads a minisign secret key file; nothing and the reason in the user's words when it cannot be used.
    static std::optional<ListSigner> fromKeyFile(const QByteArray &bytes, QString *error);

    // The signature file for data, whose file name and signing time go into the trusted comment as minisign writes
    // them ("timestamp:<seconds>", "file:<name>", "hashed", separated by tabs).
    QByteArray sign(const QByteArray &data, const QString &fileName, qint64 timestamp) const;
    ListSignature::PublicKey publicKey() const;
    // The public key in minisign's text form, the line a program is configured to trust.
    QString publicKeyText() const;

private:
    ListSigner() = default;

    std::array<unsigned char, ListSignature::keyIdSize> m_id{};
    std::array<unsigned char, ListSignature::secretKeySize> m_secret{};
};
