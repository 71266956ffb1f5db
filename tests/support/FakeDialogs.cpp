#include "FakeDialogs.h"

namespace vorkast::test {

namespace {

class FakeProgress : public Progress {
public:
    explicit FakeProgress(FakeDialogs &owner) : m_owner(owner) {}
    void setValue(int value) override
    {
        m_owner.progressValues << value;
        if (m_owner.cancelProgressAt >= 0 && value >= m_owner.cancelProgressAt)
            m_canceled = true;
    }
    bool wasCanceled() const override { return m_canceled; }

private:
    FakeDialogs &m_owner;
    bool m_canceled = false;
};

} // namespace

void FakeDialogs::information(const QString &text)
{
    calls.append({Kind::Information, text});
}

void FakeDialogs::error(const QString &text)
{
    calls.append({Kind::Error, text});
}

bool FakeDialogs::confirmError(const QString &text)
{
    calls.append({Kind::Confirm, text});
    return confirmAnswers.isEmpty() ? true : confirmAnswers.dequeue();
}

QString FakeDialogs::openFile(const QString &filter, const QString &)
{
    calls.append({Kind::OpenFile, filter});
    return openFileAnswers.isEmpty() ? QString() : openFileAnswers.dequeue();
}

std::unique_ptr<Progress> FakeDialogs::progress(const QString &label, int)
{
    calls.append({Kind::Progress, label});
    return std::make_unique<FakeProgress>(*this);
}

QStringList FakeDialogs::texts(Kind kind) const
{
    QStringList out;
    for (const Call &c : calls) {
        if (c.kind == kind)
            out << c.text;
    }
    return out;
}

} // namespace vorkast::test
