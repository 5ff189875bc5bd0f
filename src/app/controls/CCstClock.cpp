// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CCstClock.h"

#include <QPainter>

#include "controls/CCstClockAccessible.h"
#include "controls/QtConvert.h"
#include "timetable/Clock.h"

CCstClock::CCstClock(const AppSettings& settings, const Clock& clock, QWidget* parent)
    : QWidget(parent), clock_(clock), renderer_(settings) {
    // Every paint covers the whole area, so Qt need not erase it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    CCstClockAccessible::Register();
}

void CCstClock::ApplySettings() {
    renderer_.ApplySettings();
    updateGeometry();
    update();
}

void CCstClock::SetCaptions(const std::wstring& left, const std::wstring& right) {
    if (left != leftCaption_ || right != rightCaption_) {
        leftCaption_ = left;
        rightCaption_ = right;
        stale_ = true;
    }
}

void CCstClock::Tick() {
    const MomentFields now = clock_.Now().Fields();
    const bool newSecond = now.second != painted_.second || now.minute != painted_.minute ||
                           now.hour != painted_.hour || now.day != painted_.day ||
                           now.month != painted_.month || now.year != painted_.year;
    if (stale_ || captionScrolls_ || newSecond) {
        update();
    }
}

QString CCstClock::SpokenDateTime() const {
    return ToQString(renderer_.SpokenDateTime(clock_.Now().Fields()));
}

QString CCstClock::SpokenCaptions() const {
    return (ToQString(leftCaption_) + QLatin1Char(' ') + ToQString(rightCaption_)).trimmed();
}

QSize CCstClock::sizeHint() const {
    return {200, RequiredHeight()};
}

QSize CCstClock::minimumSizeHint() const {
    return {0, RequiredHeight()};
}

void CCstClock::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painted_ = clock_.Now().Fields();
    const int counterBefore = scrollCounter_;
    renderer_.Paint(painter, rect(), painted_, leftCaption_, rightCaption_, scrollCounter_);
    captionScrolls_ = scrollCounter_ != counterBefore;
    stale_ = false;
}
