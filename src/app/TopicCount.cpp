#include "TopicCount.h"

#include "data/Query.h"

namespace vorkast {

int countTopics(Query &temy)
{
    temy.open();
    temy.first();
    int count = 0;
    while (!temy.eof()) {
        ++count;
        temy.next();
    }
    temy.close();
    return count;
}

} // namespace vorkast
