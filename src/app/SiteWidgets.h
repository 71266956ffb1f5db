#pragma once

#include <QLabel>
#include <QUrl>

namespace vorkast {

class AppContext;

// A label that opens a page of the product web site in the desktop's browser when
// clicked (or when Enter or Space is pressed while it has the focus). The `clicked`
// signal comes first, then the page is opened; an opened link is drawn in the visited
// colour. `sitePath` is relative to the site's root ("" for the root page).
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(AppContext &context, const QString &name, const QString &sitePath, QWidget *parent);

    QUrl target() const;
    bool visited() const { return m_visited; }
    // Does what a click does.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    AppContext &m_context;
    QString m_sitePath;
    bool m_visited = false;
};

// A picture drawn from an SVG resource at a fixed size; a click emits `clicked`.
class Picture : public QLabel {
    Q_OBJECT
public:
    Picture(const QString &name, const QString &svgResource, QSize size, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// An SVG resource drawn into a pixmap of `size` for the screen's pixel ratio.
QPixmap renderSvg(const QString &svgResource, QSize size, qreal pixelRatio);

} // namespace vorkast
