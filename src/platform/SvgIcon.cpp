// SPDX-License-Identifier: GPL-3.0-or-later
#include "SvgIcon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

class LazySvgIconEngine final : public QIconEngine
{
public:
    explicit LazySvgIconEngine(QString path) : m_path(std::move(path)) { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        renderer().render(painter, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const QString key = u"%1x%2@%3"_s.arg(size.width()).arg(size.height()).arg(scale);
        const auto cached = m_pixmaps.constFind(key);
        if (cached != m_pixmaps.constEnd())
            return *cached;
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            renderer().render(&painter, QRectF(QPointF(), QSizeF(size * scale)));
        }
        pixmap.setDevicePixelRatio(scale);
        m_pixmaps.insert(key, pixmap);
        return pixmap;
    }

    QIconEngine *clone() const override { return new LazySvgIconEngine(m_path); }
    QString key() const override { return u"LazySvgIconEngine"_s; }

private:
    QSvgRenderer &renderer()
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_path);
        return *m_renderer;
    }

    QString m_path;
    std::unique_ptr<QSvgRenderer> m_renderer;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon svgIcon(const QString &name)
{
    return QIcon(new LazySvgIconEngine(u":/icons/%1.svg"_s.arg(name)));
}
