#include "controls/CCstClock.h"

#include <QPainter>

#include "timetable/Clock.h"

CCstClock::CCstClock(const AppSettings& settings, const Clock& clock, QWidget* parent)
    : QWidget(parent), clock_(clock), renderer_(settings) {
    // Every paint covers the whole area, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CCstClock::ApplySettings() {
    renderer_.ApplySettings();
    updateGeometry();
    update();
}

void CCstClock::SetCaptions(const std::wstring& left, const std::wstring& right) {
    leftCaption_ = left;
    rightCaption_ = right;
}

QSize CCstClock::sizeHint() const {
    return {200, RequiredHeight()};
}

QSize CCstClock::minimumSizeHint() const {
    return {0, RequiredHeight()};
}

void CCstClock::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    renderer_.Paint(painter, rect(), clock_.Now().Fields(), leftCaption_, rightCaption_,
                    scrollCounter_);
}
