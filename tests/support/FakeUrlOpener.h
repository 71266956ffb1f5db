#pragma once

#include "platform/UrlOpener.h"

#include <QList>

namespace vorkast::test {

// Records the addresses it is asked to open.
class FakeUrlOpener : public UrlOpener {
public:
    bool open(const QUrl &url) override
    {
        opened << url;
        return succeed;
    }
    QList<QUrl> opened;
    bool succeed = true;
};

} // namespace vorkast::test
