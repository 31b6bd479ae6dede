#include "gui/activity_indicator.h"

#include <QPainter>

namespace qor::gui {

TActivityIndicator::TActivityIndicator(QWidget* parent, QColor color) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TranslucentBackground);
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % kBars;
        update();
    });
}

void TActivityIndicator::showEvent(QShowEvent* event) {
    timer_.start();
    QWidget::showEvent(event);
}

void TActivityIndicator::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

void TActivityIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    const qreal bar_width = side / 10.0;
    const QRectF bar(side / 5.0, -bar_width / 2, side / 2.0 - side / 5.0, bar_width);
    for (int i = 0; i < kBars; ++i) {
        // The bar at the head of the turn is brightest, the ones behind it fade.
        QColor c = color_;
        c.setAlphaF(1.0 - ((step_ - i + kBars) % kBars) / double(kBars));
        painter.setPen(Qt::NoPen);
        painter.setBrush(c);
        painter.save();
        painter.rotate(360.0 * i / kBars);
        painter.drawRoundedRect(bar, bar_width / 2, bar_width / 2);
        painter.restore();
    }
}

}  // namespace qor::gui
