// SPDX-FileCopyrightText: 2026 Blokka developers <developers@blokka.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/qt_window_layer.h"

#include <QAction>
#include <QCoreApplication>
#include <QThread>
#include <QTime>
#include <bit>

namespace blokka {

namespace {

// The longest caption the label ever shows.
constexpr char kWidestCaption[] = "Счет: 32000";

QFont labelFont() {
    QFont font;
    // Carlito has Calibri's metrics, so the label fits where Calibri is missing.
    font.setFamilies({"Calibri", "Carlito"});
    font.setPointSize(9);
    font.setBold(true);
    return font;
}

}  // namespace

QtWindowLayer::QtWindowLayer(QMainWindow& window, QString instanceName)
    : window_(window),
      canvas_(new CellCanvas(&window)),
      lblTotal_(new QLabel(canvas_)),
      instanceName_(std::move(instanceName)) {
    lblTotal_->setObjectName("lblTotal");
    lblTotal_->setFont(labelFont());
    lblTotal_->setTextFormat(Qt::PlainText);
    lblTotal_->setAutoFillBackground(false);
    lblTotal_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The label stays empty until the first score and is sized only then: measuring it loads
    // its font, a face of its own that no frame before needs, and which would lengthen the
    // start-up and stay in memory in every game that never clears a row.
    lblTotal_->resize(0, 0);
    SetLabelColor(0x000000);

    tmrMain_.setObjectName("tmrMain");
    tmrMain_.setTimerType(Qt::PreciseTimer);
    tmrMain_.setInterval(kTimerDesignInterval);
    connect(&tmrMain_, &QTimer::timeout, this, &QtWindowLayer::timerTick);
    tmrMain_.start();
}

QtWindowLayer::~QtWindowLayer() = default;

QString QtWindowLayer::defaultInstanceName() { return InstanceGuard::defaultName(); }

void QtWindowLayer::bindAction(MenuItem item, QAction* action) {
    actions_.at(static_cast<std::size_t>(item)) = action;
}

QAction* QtWindowLayer::action(MenuItem item) const {
    return actions_.at(static_cast<std::size_t>(item));
}

void QtWindowLayer::CreateCell(int k) { canvas_->createCell(k); }

void QtWindowLayer::SetCellPicture(int k, int picture) { canvas_->setCellPicture(k, picture); }

void QtWindowLayer::SetCellVisible(int k, bool visible) { canvas_->setCellVisible(k, visible); }

void QtWindowLayer::SetCellBounds(int k, CellBounds bounds) {
    canvas_->setCellBounds(k, QRect(bounds.left, bounds.top, bounds.width, bounds.height));
}

CellBounds QtWindowLayer::GetCellBounds(int k) const {
    const QRect r = canvas_->cellBounds(k);
    return {r.left(), r.top(), r.width(), r.height()};
}

void QtWindowLayer::SetLabelCaption(std::string_view utf8) {
    if (!labelSized_ && !utf8.empty()) {
        // Sized once for the widest score, so that no caption ever changes the layout.
        lblTotal_->setText(QString::fromUtf8(kWidestCaption));
        lblTotal_->setFixedSize(lblTotal_->sizeHint());
        labelSized_ = true;
    }
    lblTotal_->setText(QString::fromUtf8(utf8));
}

std::uint32_t QtWindowLayer::LabelColor() const {
    return lblTotal_->palette().color(QPalette::WindowText).rgb() & 0xffffffu;
}

void QtWindowLayer::SetLabelColor(std::uint32_t rgb) {
    QPalette palette = lblTotal_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb & 0xffffffu));
    lblTotal_->setPalette(palette);
}

void QtWindowLayer::SetLabelPosition(int left, int top) { lblTotal_->move(left, top); }

bool QtWindowLayer::TimerEnabled() const { return tmrMain_.isActive(); }

void QtWindowLayer::SetTimerEnabled(bool enabled) {
    if (!enabled) {
        tmrMain_.stop();
    } else if (!tmrMain_.isActive() && !ended_) {
        tmrMain_.start();
    }
}

std::int32_t QtWindowLayer::TimerInterval() const { return tmrMain_.interval(); }

void QtWindowLayer::SetTimerInterval(std::int32_t milliseconds) {
    // QTimer keeps its running state when the interval changes.
    tmrMain_.setInterval(milliseconds);
}

bool QtWindowLayer::Checked(MenuItem item) const {
    const QAction* a = action(item);
    return a != nullptr && a->isChecked();
}

void QtWindowLayer::SetChecked(MenuItem item, bool checked) {
    if (QAction* a = action(item)) a->setChecked(checked);
}

void QtWindowLayer::Minimize() { window_.showMinimized(); }

void QtWindowLayer::Close() { window_.close(); }

bool QtWindowLayer::OtherInstanceRunning() {
    using Outcome = InstanceGuard::Outcome;
    if (instanceGuard_ && instanceGuard_->outcome() == Outcome::Held) return false;
    instanceGuard_.emplace(instanceName_);
    const Outcome outcome = instanceGuard_->outcome();
    if (outcome == Outcome::Held) return false;
    // Without a guard (the system refused the socket) the program still runs.
    instanceGuard_.reset();
    return outcome == Outcome::HeldElsewhere;
}

void QtWindowLayer::End() {
    tmrMain_.stop();
    ended_ = true;
    // Before the event loop runs (a second instance, from start-up) main() sees ended() and
    // returns without showing the window.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

float QtWindowLayer::SecondsSinceMidnight() const {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void QtWindowLayer::SeedRandom(float seed) {
    // The bit pattern keeps the fraction of a second in the seed.
    random_.seed(std::bit_cast<std::uint32_t>(seed));
}

float QtWindowLayer::RandomValue() {
    // 24 random bits fill a float's mantissa exactly: the largest value is 1 - 2^-24, never 1.
    return static_cast<float>(random_() >> 8) * 0x1p-24f;
}

}  // namespace blokka
