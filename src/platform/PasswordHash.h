#pragma once

#include <QString>

namespace vorkast {

// Salted, slow password hashes kept as self-describing text:
// "pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>".
// A stored text that is not in this form is an old plain-text password.
class PasswordHash {
public:
    static constexpr int kIterations = 100000;

    // A new hash of `password` with a fresh random salt.
    static QString make(const QString &password);

    // True when `stored` is a hash in the form above.
    static bool isHash(const QString &stored);

    // Whether `password` matches `stored`: a hash is verified, plain text is compared
    // exactly (case-sensitive).
    static bool verify(const QString &password, const QString &stored);

    // True when `stored` should be replaced by a new hash: plain text, or fewer
    // iterations than new hashes get.
    static bool needsUpgrade(const QString &stored);
};

} // namespace vorkast
