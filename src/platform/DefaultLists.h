#pragma once

#include <QStringList>

namespace vorkast {

// The subjects used until list.rfg is read.
QStringList defaultSubjectList();

// The classes used until klass.rfg is read.
QStringList defaultClassList();

} // namespace vorkast
