// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CCstClockRenderer.h"

#include <QPainter>

#include "board/ClockLayout.h"
#include "board/ClockText.h"
#include "controls/FontSetup.h"
#include "controls/QtConvert.h"
#include "i18n/BoardWordsTranslation.h"
#include "settings/AppSettings.h"

namespace {

constexpr qreal kCornerRadius = 2.5;  // a 5 x 5 corner ellipse

clocklayout::Extent Measure(const QFontMetrics& metrics, const QString& text) {
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// Texts are placed by their top-left corner.
void DrawAt(QPainter& painter, const QFontMetrics& metrics, clocklayout::Point at,
            const QString& text) {
    painter.drawText(at.x, at.y + metrics.ascent(), text);
}

}  // namespace

CCstClockRenderer::CCstClockRenderer(const AppSettings& settings)
    : settings_(settings), words_(TranslatedBoardWords()) {
    ApplySettings();
}

CCstClockRenderer::Face CCstClockRenderer::MakeFace(const std::wstring& name, int tenthsOfPoint) {
    Face face;
    face.font = MakeSettingsFont(name, tenthsOfPoint);
    face.metrics = QFontMetrics(face.font);
    face.height = face.metrics.height();
    return face;
}

void CCstClockRenderer::ApplySettings() {
    date_ = MakeFace(settings_.fntDate, settings_.dlgFontSize);
    time_ = MakeFace(settings_.fntClock, settings_.clockFontSize);
    seconds_ = MakeFace(settings_.fntClock, clocktext::SecondsFontSize(settings_.clockFontSize));
    caption_ = MakeFace(settings_.fntStation, settings_.stationFontSize);
    contentHeight_ =
        clocktext::UpperContentHeight(date_.height, time_.height, settings_.clockAlign1 != 0);
    requiredHeight_ = clocktext::RequiredHeight(contentHeight_, caption_.height);
}

std::wstring CCstClockRenderer::SpokenDateTime(const MomentFields& now) const {
    return clocktext::DateText(settings_.clock, now, words_) + L" " +
           clocktext::TimeText(settings_.clock2, now, words_) +
           clocktext::SecondsText(settings_.clock2, now, words_);
}

void CCstClockRenderer::Paint(QPainter& painter, const QRect& client, const MomentFields& now,
                              const std::wstring& leftCaption, const std::wstring& rightCaption,
                              int& scrollCounter) const {
    painter.save();
    painter.fillRect(client, Qt::white);
    const int upperBottom = PaintUpper(painter, client, now);
    PaintCaptions(painter, client, upperBottom, ToQString(leftCaption), ToQString(rightCaption),
                  scrollCounter);
    painter.restore();
}

void CCstClockRenderer::PaintBox(QPainter& painter, const Rect& box) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(settings_.colorBack));
    painter.drawRoundedRect(QRectF(ToQRect(box)), kCornerRadius, kCornerRadius);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ToQColor(settings_.colorFont));
}

int CCstClockRenderer::PaintUpper(QPainter& painter, const QRect& client,
                                  const MomentFields& now) const {
    const bool twoLines = settings_.clockAlign1 != 0;
    const bool swap = settings_.clockAlign2 != 0;
    std::wstring dateText = clocktext::DateText(settings_.clock, now, words_);
    if (!twoLines) {
        dateText = clocktext::SingleLineDate(dateText, swap);
    }
    const QString date = ToQString(dateText);
    const QString time = ToQString(clocktext::TimeText(settings_.clock2, now, words_));
    const QString seconds = ToQString(clocktext::SecondsText(settings_.clock2, now, words_));

    clocklayout::UpperInput in;
    in.left = client.left();
    in.top = client.top();
    in.right = client.left() + client.width();
    in.contentHeight = contentHeight_;
    in.twoLines = twoLines;
    in.dateAfterTime = swap;
    in.date = Measure(date_.metrics, date);
    in.time = Measure(time_.metrics, time);
    in.seconds = Measure(seconds_.metrics, seconds);
    const clocklayout::UpperLayout out = clocklayout::LayOutUpper(in);

    PaintBox(painter, out.box);
    painter.setFont(date_.font);
    DrawAt(painter, date_.metrics, out.date, date);
    painter.setFont(time_.font);
    DrawAt(painter, time_.metrics, out.time, time);
    painter.setFont(seconds_.font);
    DrawAt(painter, seconds_.metrics, out.seconds, seconds);
    return out.box.bottom;
}

void CCstClockRenderer::PaintCaptions(QPainter& painter, const QRect& client, int upperBottom,
                                      const QString& left, const QString& right,
                                      int& scrollCounter) const {
    clocklayout::CaptionInput in;
    in.left = client.left();
    in.right = client.left() + client.width();
    in.upperBottom = upperBottom;
    in.captionHeight = caption_.height;
    in.leftCaption = Measure(caption_.metrics, left);
    in.rightCaption = Measure(caption_.metrics, right);
    in.dirScroll = settings_.dirScroll;
    const clocklayout::CaptionLayout out = clocklayout::LayOutCaptions(in);

    PaintBox(painter, out.box);
    painter.setFont(caption_.font);
    const QString bar = QStringLiteral("|");
    // Two strokes one pixel apart make the divider bold.
    DrawAt(painter, caption_.metrics, {out.divider, out.y}, bar);
    DrawAt(painter, caption_.metrics, {out.divider + 1, out.y}, bar);
    DrawAt(painter, caption_.metrics, out.leftCaption, left);
    if (!out.scrolls) {
        DrawAt(painter, caption_.metrics, out.rightCaption, right);
        return;
    }
    ++scrollCounter;
    const auto pieces = clocklayout::WrapAround(
        static_cast<long long>(scrollCounter) * settings_.dirScroll, in.rightCaption.w, out.room);
    const int x0 = out.divider + 10;
    const int h = in.rightCaption.h;
    // The caption from `offset` first, then its beginning again right behind it.
    painter.setClipRect(QRect(x0, out.y, pieces.first, h));
    DrawAt(painter, caption_.metrics, {x0 - pieces.offset, out.y}, right);
    painter.setClipRect(QRect(x0 + pieces.first, out.y, pieces.second, h));
    DrawAt(painter, caption_.metrics, {x0 + pieces.first, out.y}, right);
    painter.setClipping(false);
}
