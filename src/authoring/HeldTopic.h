#pragma once

#include "data/Query.h"

namespace vorkast {

class AppContext;

// The TopicRow the editor works on, held by its key, so that its question count is
// written into exactly that row whatever the catalogue has done to the shared topics query.
class HeldTopic {
public:
    explicit HeldTopic(AppContext &context);

    void hold(qint64 key) { m_key = key; }
    void release() { m_key = 0; }
    bool isHeld() const { return m_key != 0; }
    qint64 key() const { return m_key; }

    // `vopr` of the held row as an integer (no text counts as 0); throws when the row
    // is gone or its text is not a number.
    int count();
    // Writes `vopr` of the held row; true when it went through ADOtemy, which stood on it.
    bool setCount(int count);

private:
    Query &row();

    AppContext &m_context;
    qint64 m_key = 0;
    Query m_own;
};

} // namespace vorkast
