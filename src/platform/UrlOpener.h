#pragma once

#include <QUrl>

namespace vorkast {

// Opens a web address or a file in the desktop's program for it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when no program could open it.
    virtual bool open(const QUrl &url) = 0;
};

// The desktop's own opener.
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl &url) override;
};

} // namespace vorkast
