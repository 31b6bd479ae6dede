#pragma once
// A spinning ring of bars that tells the operator that work goes on.

#include <QTimer>
#include <QWidget>

namespace qor::gui {

class TActivityIndicator : public QWidget {
    Q_OBJECT
public:
    explicit TActivityIndicator(QWidget* parent = nullptr, QColor color = Qt::white);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kBars = 12;
    QColor color_;
    QTimer timer_;
    int step_ = 0;
};

}  // namespace qor::gui
