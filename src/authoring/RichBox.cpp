#include "RichBox.h"

#include "richtext/RtfReader.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QUuid>

namespace vorkast {

namespace {

const char *const kRtfFormats[] = {"text/rtf", "application/rtf", "text/richtext"};

QString rtfFormat(const QMimeData *source)
{
    for (const char *f : kRtfFormats) {
        if (source->hasFormat(QString::fromLatin1(f)))
            return QString::fromLatin1(f);
    }
    return {};
}

QString newImageName()
{
    return QStringLiteral("image-") + QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".png");
}

bool isImageFile(const QUrl &url)
{
    return url.isLocalFile() && !QImageReader::imageFormat(url.toLocalFile()).isEmpty();
}

// Calls `visit(cursor over the picture, its image format)` for every picture of `document`.
template <typename F>
void forEachImage(QTextDocument &document, F &&visit)
{
    struct Found {
        int position;
        int length;
        QTextImageFormat format;
    };
    QList<Found> found;  // gathered first: changing formats while walking the fragments would disturb the walk
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat())
                found.append({fragment.position(), fragment.length(), fragment.charFormat().toImageFormat()});
        }
    }
    for (const Found &f : found) {
        QTextCursor cursor(&document);
        cursor.setPosition(f.position);
        cursor.setPosition(f.position + f.length, QTextCursor::KeepAnchor);
        visit(cursor, f.format);
    }
}

QImage loadImage(QTextDocument &document, const QString &name)
{
    const QVariant held = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (held.canConvert<QImage>()) {
        const QImage image = held.value<QImage>();
        if (!image.isNull())
            return image;
    }
    if (held.typeId() == QMetaType::QByteArray)
        return QImage::fromData(held.toByteArray());
    const QUrl url(name);
    if (url.scheme() == QLatin1String("data")) {
        const QString text = url.toString(QUrl::FullyEncoded);
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (comma > 0 && text.left(comma).endsWith(QLatin1String(";base64")))
            return QImage::fromData(QByteArray::fromBase64(text.mid(comma + 1).toLatin1()));
        return {};
    }
    if (url.isLocalFile())
        return QImage(url.toLocalFile());
    if (url.isRelative() && QFileInfo::exists(name))
        return QImage(name);
    return {};
}

} // namespace

void embedImages(QTextDocument &document)
{
    forEachImage(document, [&document](QTextCursor &cursor, QTextImageFormat format) {
        const QImage image = loadImage(document, format.name());
        if (image.isNull())
            return;
        const QString name = newImageName();
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        format.setName(name);
        cursor.setCharFormat(format);
    });
}

RichBox::RichBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(true);
}

bool RichBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasImage() || !rtfFormat(source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void RichBox::insertFromMimeData(const QMimeData *source)
{
    const QString rtf = rtfFormat(source);
    if (!rtf.isEmpty()) {
        QTextDocument pasted;
        rtf::read(source->data(rtf), pasted);
        insertDocument(pasted);
        return;
    }
    if (source->hasHtml()) {
        QTextDocument pasted;
        pasted.setHtml(source->html());
        embedImages(pasted);
        insertDocument(pasted);
        return;
    }
    if (source->hasImage()) {
        insertImage(source->imageData().value<QImage>());
        return;
    }
    if (source->hasUrls()) {
        bool inserted = false;
        for (const QUrl &url : source->urls()) {
            if (isImageFile(url)) {
                insertImage(QImage(url.toLocalFile()));
                inserted = true;
            }
        }
        if (inserted)
            return;
    }
    QTextEdit::insertFromMimeData(source);
}

void RichBox::insertImage(const QImage &image)
{
    if (image.isNull())
        return;
    const QString name = newImageName();
    document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    textCursor().insertImage(format);
}

// Inserts another document at the cursor, taking its pictures along under fresh names.
void RichBox::insertDocument(QTextDocument &pasted)
{
    forEachImage(pasted, [this, &pasted](QTextCursor &cursor, QTextImageFormat format) {
        const QImage image = loadImage(pasted, format.name());
        if (image.isNull())
            return;
        const QString name = newImageName();
        document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
        format.setName(name);
        cursor.setCharFormat(format);
    });
    textCursor().insertFragment(QTextDocumentFragment(&pasted));
    ensureCursorVisible();
}

} // namespace vorkast
