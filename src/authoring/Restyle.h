#pragma once

#include <QColor>
#include <QString>

class QTextDocument;

namespace vorkast {

// What "Изменить стиль теста" gives every text of a test.
struct TextStyle {
    int pointSize = 16;
    QColor colour = Qt::black;
    QString family = QStringLiteral("Arial");
};

// Gives the whole text of `document` the size, colour and face of `style` and removes
// bold. Italic, underline and strike-out become uniform: each takes the value the
// text's first character has (what a selection of the whole text reports for them).
void restyleDocument(QTextDocument &document, const TextStyle &style);

} // namespace vorkast
