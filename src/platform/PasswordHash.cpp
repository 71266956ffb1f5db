#include "PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

#include <iterator>
#include <optional>

namespace vorkast {

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;
// A hand-made row with an absurd count must not hang the login.
constexpr qint64 kMaxIterations = 10000000;

struct Parsed {
    int iterations;
    QByteArray salt;
    QByteArray key;
};

std::optional<QByteArray> base64(const QString &text)
{
    auto result = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!result || result.decoded.isEmpty())
        return std::nullopt;
    return result.decoded;
}

std::optional<Parsed> parse(const QString &stored)
{
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != kScheme)
        return std::nullopt;
    bool ok = false;
    const qint64 iterations = parts[1].toLongLong(&ok);
    if (!ok || iterations < 1 || iterations > kMaxIterations)
        return std::nullopt;
    const auto salt = base64(parts[2]);
    const auto key = base64(parts[3]);
    if (!salt || !key || key->size() > 64)
        return std::nullopt;
    return Parsed{static_cast<int>(iterations), *salt, *key};
}

QByteArray derive(const QString &password, const QByteArray &salt, int iterations, int length)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt, iterations,
                                              static_cast<quint64>(length));
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

QString PasswordHash::make(const QString &password)
{
    quint32 words[kSaltBytes / 4];
    QRandomGenerator::system()->generate(std::begin(words), std::end(words));
    const QByteArray salt(reinterpret_cast<const char *>(words), kSaltBytes);
    const QByteArray key = derive(password, salt, kIterations, kKeyBytes);
    return QStringList{kScheme, QString::number(kIterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(key.toBase64())}
        .join(QLatin1Char('$'));
}

bool PasswordHash::isHash(const QString &stored)
{
    return parse(stored).has_value();
}

bool PasswordHash::verify(const QString &password, const QString &stored)
{
    const auto parsed = parse(stored);
    if (!parsed)
        return password == stored;
    return sameBytes(derive(password, parsed->salt, parsed->iterations, static_cast<int>(parsed->key.size())),
                     parsed->key);
}

bool PasswordHash::needsUpgrade(const QString &stored)
{
    const auto parsed = parse(stored);
    return !parsed || parsed->iterations < kIterations;
}

} // namespace vorkast
