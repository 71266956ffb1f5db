#include "SiteWidgets.h"

#include "context/AppContext.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

namespace vorkast {

LinkLabel::LinkLabel(AppContext &context, const QString &name, const QString &sitePath, QWidget *parent)
    : QLabel(parent)
    , m_context(context)
    , m_sitePath(sitePath)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setProperty("visited", false);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

QUrl LinkLabel::target() const
{
    return QUrl(m_context.siteUrl).resolved(QUrl(m_sitePath));
}

void LinkLabel::click()
{
    emit clicked();
    m_context.guard([this] {
        const QUrl url = target();
        if (!m_context.urlOpener.open(url))
            throw UserError(QStringLiteral("Не удалось открыть адрес %1 в браузере.").arg(url.toString()));
        if (!m_visited) {
            m_visited = true;
            setProperty("visited", true);
            // Re-apply the style so the visited colour shows.
            style()->unpolish(this);
            style()->polish(this);
        }
    });
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

QPixmap renderSvg(const QString &svgResource, QSize size, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svgResource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

Picture::Picture(const QString &name, const QString &svgResource, QSize size, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setFixedSize(size);
    const qreal ratio = parent ? parent->devicePixelRatioF() : qGuiApp->devicePixelRatio();
    setPixmap(renderSvg(svgResource, size, ratio));
    setCursor(Qt::PointingHandCursor);
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace vorkast
