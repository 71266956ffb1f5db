#pragma once

#include <QFont>
#include <QString>

class QObject;
class QStyle;

namespace vorkast {

// Fonts of the main window and its panels, with the Linux fonts that stand in for
// the Windows ones when those are missing.
QFont tahomaFont(qreal pointSize);
// `text` is the caption: a stand-in font that cannot draw all of it is not used.
QFont comicFont(int pixelSize, const QString &text);
QFont timesFont(int pixelSize);

// The light-blue look of the main window.
QString mainStyleSheet();

// The style of the main menu's submenus (larger pictures), owned by `owner`.
QStyle *newMenuStyle(QObject *owner);

// Caption texts break lines with CR; labels want LF.
QString labelText(const QString &caption);

} // namespace vorkast
