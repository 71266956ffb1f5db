#pragma once

#include "Schema.h"

#include <QString>

namespace vorkast {

// Creates a new, empty database file of the given kind with all its tables.
// Refuses (throws DataError) when the file already exists.
void createDatabaseFile(const QString &path, DatabaseKind kind);

} // namespace vorkast
