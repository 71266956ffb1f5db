#pragma once

namespace vorkast {

class Query;

// Opens the topics query on its statement, walks every row counting it, and closes it.
int countTopics(Query &temy);

} // namespace vorkast
