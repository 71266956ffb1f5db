#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace vorkast {

// A child widget with its object name (the name tests and style sheets find it by) and place.
template <typename W>
W *makeNamed(QWidget *parent, const char *name, const QRect &geometry)
{
    W *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

} // namespace vorkast
