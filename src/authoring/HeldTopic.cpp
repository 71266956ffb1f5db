#include "HeldTopic.h"

#include "context/AppContext.h"

namespace vorkast {

HeldTopic::HeldTopic(AppContext &context)
    : m_context(context)
    , m_own(context.ADOConnection2, QStringLiteral("heldTopic"), QStringLiteral("select * from temy"),
            context.ADOtemy.fields())
{
}

// ADOtemy when it stands on the held row (so the catalogue grid shows the new count),
// otherwise the row selected anew by its key.
Query &HeldTopic::row()
{
    if (m_key == 0)
        throw UserError(QStringLiteral("Тест ещё не создан."));
    Query &temy = m_context.ADOtemy;
    if (temy.isActive() && temy.state() == Query::State::Browse && temy.key() == m_key)
        return temy;
    m_own.replaceStatement({QStringLiteral("select * from temy"), QStringLiteral("where \"index\" = :key")},
                           {{QStringLiteral("key"), m_key}});
    if (m_own.isEmpty())
        throw UserError(QStringLiteral("Тест не найден в базе данных: возможно, он удалён."));
    return m_own;
}

int HeldTopic::count()
{
    return row().integer(QStringLiteral("vopr"));
}

bool HeldTopic::setCount(int count)
{
    Query &q = row();
    q.edit();
    try {
        q.setValue(QStringLiteral("vopr"), QString::number(count));
        q.post();
    } catch (...) {
        q.cancel();
        throw;
    }
    return &q == &m_context.ADOtemy;
}

} // namespace vorkast
