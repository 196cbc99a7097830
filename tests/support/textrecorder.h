#pragma once
#include "pictures/pictures.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>
#include <QTextItem>

// A paint device that keeps every text drawn on it and nothing else: a picture's
// painter run on it tells which words the pupil will read on that picture.
class TextRecorder : public QPaintDevice
{
public:
    explicit TextRecorder(QSize size) : m_engine(this), m_size(size) {}
    QPaintEngine *paintEngine() const override { return const_cast<Engine *>(&m_engine); }
    QStringList texts() const { return m_texts; }
    QString joined() const { return m_texts.join(QLatin1Char('\n')); }

    // The texts a registered picture draws.
    static QStringList of(const QString &pictureName)
    {
        const Pictures::Entry entry = Pictures::entry(pictureName);
        TextRecorder recorder(entry.size);
        QPainter painter(&recorder);
        if (entry.paint)
            entry.paint(painter, entry.size);
        painter.end();
        return recorder.texts();
    }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 1000;
        }
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(TextRecorder *owner) : QPaintEngine(AllFeatures), m_owner(owner) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override { m_owner->m_texts << item.text(); }
        Type type() const override { return User; }

    private:
        TextRecorder *m_owner;
    };
    Engine m_engine;
    QSize m_size;
    QStringList m_texts;
};
