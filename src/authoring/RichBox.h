#pragma once

#include <QTextEdit>

namespace vorkast {

// A rich-text box of the editor: keeps what is typed or pasted with its formatting.
// Pasted or dropped pictures (image data, pictures in HTML or RTF, image files)
// become part of the document, so the RTF writer stores them.
class RichBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichBox(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void insertImage(const QImage &image);
    void insertDocument(QTextDocument &pasted);
};

// Makes every picture of `document` one of its own image resources: pictures given as
// data: URLs or local files are loaded; those that cannot be loaded stay as they are.
void embedImages(QTextDocument &document);

} // namespace vorkast
