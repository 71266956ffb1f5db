#pragma once

#include <QString>

namespace vorkast {

// The test editor's shared values, which the main window's topic catalogue also sets.
struct EditorState {
    QString editorTable;
    QString editorClass;
    QString editorSubject;
    QString editorTopic;
    int editorPosition = 0;
};

} // namespace vorkast
