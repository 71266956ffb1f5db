#pragma once

#include <QIcon>

namespace vorkast {

// The 64 x 64 picture of the testing window's exit button: an open door with an arrow.
QIcon exitPicture();

} // namespace vorkast
